#pragma once

struct Murmex;
class Clipboard;

// The lines of the visible result list go to the clipboard as they are shown; every line
// ends with a lone carriage return, and the lists begin with one.
void mnu_wort_Click(const Murmex& m, Clipboard& clipboard);
void mnu_top5_Click(const Murmex& m, Clipboard& clipboard);
void mnu_top10_Click(const Murmex& m, Clipboard& clipboard);
void mnu_top20_Click(const Murmex& m, Clipboard& clipboard);
void mnu_alle_Click(const Murmex& m, Clipboard& clipboard);
