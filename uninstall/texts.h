// Every text the uninstaller shows, in one place. The source is UTF-8; the
// program sees code page 932 bytes.
#pragma once

namespace uninstall {

// The gap is an ideographic space, as in the setup program's caption.
inline constexpr const char* kCaption = "Tessal　アンインストール";
inline constexpr const char* kQuestion = "Tessalをコンピューターから削除しますか？";
inline constexpr const char* kRemovedAll = "Tessalを削除しました。";
inline constexpr const char* kNotAllRemoved = "Tessalの削除を完了できませんでした。";
inline constexpr const char* kFailedHeading = "次のものは削除できませんでした:";
inline constexpr const char* kLeftHeading = "次のものはTessalのものと確認できないため、残しました:";
inline constexpr const char* kKeptHeading = "次のものは、もう一度アンインストールして削除を完了できるように残しました:";
inline constexpr const char* kReadOnlyNote = "（読み取り専用）";
inline constexpr const char* kNotEmptyNote = "（ほかのファイルがあります）";
inline constexpr const char* kPathTooLong =
    "このプログラムの場所のパスが長すぎるため、アンインストールできません。何も削除していません。";
inline constexpr const char* kUnsupportedPlace =
    "この場所（ネットワーク上のフォルダーなど）からはアンインストールできません。何も削除していません。";
inline constexpr const char* kNoInstallation =
    "このフォルダーにはインストールされたTessalがありません。何も削除していません。";
inline constexpr const char* kBadStart = "起動のしかたが正しくありません。何も削除していません。";
// Before the named file, a line break; after it, the rest.
inline constexpr const char* kInUseBefore = "Tessalが実行中のため、次のファイルを削除できません：";
inline constexpr const char* kInUseAfter = "Tessalを終了してから［再試行］を押してください。";
inline constexpr const char* kAlreadyRunning = "Tessalのアンインストールはすでに実行中です。何も削除していません。";

// The log of a run with /LOG: each line begins with one of these.
inline constexpr const char* kLogStart = "Tessalのアンインストールを開始: ";
inline constexpr const char* kLogRefused = "中止: ";
inline constexpr const char* kLogRemoved = "削除しました: ";
inline constexpr const char* kLogFailed = "削除できませんでした: ";
inline constexpr const char* kLogKept = "もう一度実行して完了できるように残しました: ";
inline constexpr const char* kLogLeftAlone = "Tessalのものと確認できないため残しました: ";
inline constexpr const char* kLogInUse = "ほかのプログラムが使用中のため、何も削除していません: ";
inline constexpr const char* kLogAfterExit = "このプログラムの終了後に一時コピーが削除します: ";
inline constexpr const char* kLogExitCode = "終了コード: ";

}  // namespace uninstall
