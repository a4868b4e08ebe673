// The texts that more than one window of the setup program shows.
#pragma once

// Caption of the setup program's message boxes; the gap is an ideographic space.
inline constexpr const char* kSetupCaption = "Tessal　セットアップ";
// The abort question of the main window and of every page.
inline constexpr const char* kQuitQuestion = "Tessalのインストールを中止しますか？";
