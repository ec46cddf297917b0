#pragma once

// The program's look lives in the Qt resource :/skin/ (artwork, glyphs and skin.qss), built by
// assets/CMakeLists.txt. Linking brindlecut_assets is enough to have it registered at start-up;
// nothing needs to be called. This function does nothing and exists so that the library has a
// symbol of its own.
void BrindlecutAssetsLinked();
