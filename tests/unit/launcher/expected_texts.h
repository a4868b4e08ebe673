// The launcher's user-visible texts as they must appear, byte for byte
// (this source is UTF-8; the strings are compiled to code page 932).
#pragma once

namespace expected {

inline constexpr char kProductName[] = "Tessal";
inline constexpr char kStartFailed[] = "Tessalの起動に失敗しました。";
inline constexpr char kNoRuntime[] = "Java Runtime Environmentがインストールされていません。";
inline constexpr char kNoRuntimeHome[] = "Java Runtime Environmentのインストール先を見るけることができませんでした。";
inline constexpr char kNoJavaw[] = "javaw.exeがありません。";
inline constexpr char kNoArchive[] = "tessal.jarがありません。";

}  // namespace expected
