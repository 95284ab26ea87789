#pragma once

#include <QStringView>

struct Murmex;
struct Platform;

inline constexpr QStringView kSaveQuestionTitle = u"A C H T U N G !!!";
inline constexpr QStringView kSaveQuestionText
    = u"Sollte das derzeitige Brett noch gesichert werden?";

// Guards loading, "Neues Spiel" and "Ende". True when the command may go on: the board is
// saved, or the player does not want it saved. Yes opens the save panel instead and ends the
// command; the board counts as unsaved until the panel has really written it.
bool saveQuestion(Murmex& m, Platform& platform);
