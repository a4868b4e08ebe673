package tessal.help;

/** The help topics that the editor offers, by key. */
public final class HelpIndex {
    private static final String[][] TOPICS = {
        {"open", "Opening a document"},
        {"save", "Saving a document"},
        {"validate", "Checking a document against its schema"},
    };

    private HelpIndex() {
    }

    /** The title of a topic, or null when there is none of that key. */
    public static String title(String key) {
        for (int i = 0; i < TOPICS.length; i++) {
            if (TOPICS[i][0].equals(key)) {
                return TOPICS[i][1];
            }
        }
        return null;
    }
}
