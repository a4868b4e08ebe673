// The fixed names and sizes of a launch: where the launcher looks for the
// application archive, its options and the Java runtime.
#pragma once

namespace launcher {

inline constexpr char kArchiveName[] = "tessal.jar";
inline constexpr char kOptionFileName[] = "boot.ini";
inline constexpr char kOptionSection[] = "BOOT";
inline constexpr char kOptionKey[] = "Option";
inline constexpr char kJavaBelowHome[] = "\\bin\\javaw.exe";
inline constexpr char kRuntimeKey[] = "SOFTWARE\\JavaSoft\\Java Runtime Environment";
inline constexpr char kCurrentVersionValue[] = "CurrentVersion";
inline constexpr char kJavaHomeValue[] = "JavaHome";
// Where runtimes from Java 9 on register, under the same values.
inline constexpr char kJreKey[] = "SOFTWARE\\JavaSoft\\JRE";
inline constexpr char kJdkKey[] = "SOFTWARE\\JavaSoft\\JDK";
inline constexpr char kJavaHomeVariable[] = "JAVA_HOME";
inline constexpr char kPathVariable[] = "PATH";
inline constexpr char kJavawName[] = "javaw.exe";

inline constexpr unsigned kOwnPathSize = 260;
// The own path is asked for with room to spare: a path that does not fit
// kOwnPathSize may come back cut short of a 260-byte buffer's end (before a
// double-byte character), and only a larger buffer shows it whole.
inline constexpr unsigned kOwnPathQuerySize = 1024;
inline constexpr unsigned kAssociationSize = 260;
inline constexpr unsigned kOptionSize = 1024;
inline constexpr unsigned kRegistryValueSize = 1024;
// A javaw.exe found anywhere but the association or the first registry key
// must fit this, its terminator included, as the launcher's other paths do.
inline constexpr unsigned kJavaPathSize = 260;
// The largest value an environment variable can have, in UTF-16 units with
// the terminator.
inline constexpr unsigned kEnvironmentValueSize = 32767;

}  // namespace launcher
