#pragma once

#include <QString>
#include <QStringList>

struct Murmex;

// The rules that keep the panels' lists and path labels up to date, whether the player or a
// command changes them; k is the panel, 0 "speichern" or 1 "laden".

// The name changed: the path label becomes the directory, the name and ".txt".
void Datei_Change(Murmex& m, int k);
// The directory changed or was clicked: the file list shows it anew.
void Dir_Change(Murmex& m, int k);
// The drive changed: the directory goes to the drive's current directory, or stays where it
// was when the drive cannot be read.
void Drive_Change(Murmex& m, int k);
// A file was clicked: it becomes the name and the target of both panels.
void File_Click(Murmex& m, int k, const QString& fileName);
// "Abbruch" hides the panel and changes nothing else.
void Abbruch_Click(Murmex& m, int k);

// Start-up: both panels in the process's current directory, and the rules connected.
void setUpFilePanels(Murmex& m);

// Dir(k) := directory, if there is one by that name.
void goToDirectory(Murmex& m, int k, const QString& directory);
// Drive and directory of panel k to the data directory, the file list refreshed.
void goToDataDirectory(Murmex& m, int k);
// The two panels lie at the same place; the one shown last is the only one seen.
void showPanel(Murmex& m, int k);

// The name last chosen in the load panel, or last saved.
QString currentGameName(const Murmex& m);
// directory/name.txt
QString gamePath(const QString& directory, const QString& name);

// The drives of the machine; on Linux only the root.
QStringList drives();
QString driveOf(const QString& path);
