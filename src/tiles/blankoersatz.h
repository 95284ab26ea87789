#pragma once

#include <QString>

struct Murmex;
struct Platform;

// "ok" in the dialog "Blanko-Ersatz": Text4 gets the answer in lower case ("_" for none), nr
// the character and its two-digit place in the blank alphabet, or stays as it was when the
// answer is not one of its characters.
void Blankoersatz_Command1_Click(Murmex& m, const QString& input);

// Shows the dialog modally once; closing it with its window button answers nothing.
void showBlankoersatz(Murmex& m, Platform& platform);
