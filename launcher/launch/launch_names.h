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
inline constexpr unsigned kAssociationSize = 260;
inline constexpr unsigned kOptionSize = 1024;
inline constexpr unsigned kRegistryValueSize = 1024;

}  // namespace launcher
