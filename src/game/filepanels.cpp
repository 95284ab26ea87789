#include "game/filepanels.h"

#include "model/murmex.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kExtensionLength = 4; // ".txt"

QString absoluteDirectory(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

void Datei_Change(Murmex& m, int k)
{
    FilePanel& panel = m.laden_speichern[k];
    panel.file_komplett = gamePath(panel.Dir.text(), panel.Datei.text());
}

void Dir_Change(Murmex& m, int k)
{
    FilePanel& panel = m.laden_speichern[k];
    panel.File = QDir(panel.Dir.text()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

void Drive_Change(Murmex& m, int k)
{
    const QString drive = m.laden_speichern[k].Drive.text();
    const QString current = QDir::currentPath();
    goToDirectory(m, k, driveOf(current) == drive ? current : drive);
}

void File_Click(Murmex& m, int k, const QString& fileName)
{
    // A name too short to carry ".txt" is taken whole.
    const QString name
        = fileName.size() < kExtensionLength ? fileName : fileName.chopped(kExtensionLength);
    FilePanel& panel = m.laden_speichern[k];
    panel.Datei.setText(name);
    const QString path = gamePath(panel.Dir.text(), name);
    for (FilePanel& each : m.laden_speichern)
        each.file_komplett = path;
}

void Abbruch_Click(Murmex& m, int k)
{
    m.laden_speichern[k].shown = false;
}

void setUpFilePanels(Murmex& m)
{
    const QString current = QDir::currentPath();
    for (int k = 0; k < int(m.laden_speichern.size()); ++k) {
        FilePanel& panel = m.laden_speichern[k];
        panel.Drive.setText(driveOf(current));
        panel.Dir.setText(current);
        panel.Datei.setChangeHandler([&m, k] { Datei_Change(m, k); });
        panel.Dir.setChangeHandler([&m, k] { Dir_Change(m, k); });
        panel.Drive.setChangeHandler([&m, k] { Drive_Change(m, k); });
    }
}

void goToDirectory(Murmex& m, int k, const QString& directory)
{
    if (!directory.isEmpty() && QDir(directory).isReadable())
        m.laden_speichern[k].Dir.setText(absoluteDirectory(directory));
}

void goToDataDirectory(Murmex& m, int k)
{
    m.laden_speichern[k].Drive.setText(driveOf(m.dataDirectory));
    goToDirectory(m, k, m.dataDirectory);
    Dir_Change(m, k);
}

void showPanel(Murmex& m, int k)
{
    for (int i = 0; i < int(m.laden_speichern.size()); ++i)
        m.laden_speichern[i].shown = i == k;
}

QString currentGameName(const Murmex& m)
{
    return m.laden_speichern[kLoadPanel].Datei.text();
}

QString gamePath(const QString& directory, const QString& name)
{
    const QString file = name + u".txt";
    if (directory.endsWith(u'/'))
        return directory + file;
    return directory + u'/' + file;
}

QStringList drives()
{
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives())
        roots.append(drive.absolutePath());
    return roots;
}

QString driveOf(const QString& path)
{
    const QString absolute = absoluteDirectory(path);
    for (const QString& drive : drives())
        if (absolute.startsWith(drive, Qt::CaseInsensitive))
            return drive;
    return QDir::rootPath();
}
