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

inline constexpr unsigned kOwnPathSize = 260;
// The own path is asked for with room to spare: a path that does not fit
// kOwnPathSize may come back cut short of a 260-byte buffer's end (before a
// double-byte character), and only a larger buffer shows it whole.
inline constexpr unsigned kOwnPathQuerySize = 1024;
inline constexpr unsigned kAssociationSize = 260;
inline constexpr unsigned kOptionSize = 1024;
inline constexpr unsigned kRegistryValueSize = 1024;

}  // namespace launcher
