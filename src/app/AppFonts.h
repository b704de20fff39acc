#pragma once
// The program's fonts are named as on the system it came from ("ＭＳ Ｐゴシック",
// "ＭＳ Ｐ明朝"); fontconfig maps neither, so substitutes are registered at start.

void InstallFontSubstitutes();
