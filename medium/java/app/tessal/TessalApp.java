package tessal;

import java.awt.BorderLayout;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import javax.swing.DefaultListModel;
import javax.swing.JFrame;
import javax.swing.JLabel;
import javax.swing.JList;
import javax.swing.JScrollPane;
import javax.swing.SwingUtilities;

/**
 * The Tessal window: its title begins with "Tessal", which is what the
 * launcher's splash waits for, and it lists the documents it was given.
 */
public final class TessalApp {
    private TessalApp() {
    }

    public static void main(final String[] args) {
        SwingUtilities.invokeLater(new Runnable() {
            public void run() {
                show(args);
            }
        });
    }

    static String title(String[] documents) {
        if (documents.length == 0) {
            return "Tessal";
        }
        return "Tessal - " + documents[0];
    }

    private static void show(String[] documents) {
        JFrame frame = new JFrame(title(documents));
        DefaultListModel<String> model = new DefaultListModel<String>();
        for (int i = 0; i < documents.length; i++) {
            model.addElement(documents[i]);
        }
        frame.getContentPane().add(new JLabel("Documents: " + documents.length), BorderLayout.NORTH);
        frame.getContentPane().add(new JScrollPane(new JList<String>(model)), BorderLayout.CENTER);
        frame.addWindowListener(new WindowAdapter() {
            public void windowClosing(WindowEvent event) {
                System.exit(0);
            }
        });
        frame.setSize(640, 480);
        frame.setLocationRelativeTo(null);
        frame.setVisible(true);
    }
}
