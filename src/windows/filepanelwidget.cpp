#include "windows/filepanelwidget.h"

#include "game/filepanels.h"
#include "game/gamereader.h"
#include "game/savecommands.h"
#include "model/murmex.h"
#include "windows/colours.h"
#include "windows/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

namespace {

constexpr int kPathRole = Qt::UserRole;

bool isSavePanel(int k)
{
    return k == kSavePanel;
}

} // namespace

FilePanelWidget::FilePanelWidget(
    Murmex& murmex, Platform& platform, int k, std::function<void()> afterEvent, QWidget* parent)
    : FrameWidget(isSavePanel(k) ? QStringLiteral("speichern") : QStringLiteral("laden"),
        colours::kFrame, parent)
    , m_murmex(murmex)
    , m_platform(platform)
    , m_k(k)
    , m_afterEvent(std::move(afterEvent))
{
    setObjectName(u"laden_speichern_" + QString::number(k));
    setGeometry(twips::rect(FilePanel::kLeft, FilePanel::kTop, 6975, 5055));
    QPalette light = palette();
    light.setColor(QPalette::WindowText, colours::kLightYellow);
    setPalette(light);

    m_path = new QLabel(this);
    m_path->setObjectName(QStringLiteral("file_komplett"));
    m_path->setGeometry(twips::rect(240, 240, 6495, 375));
    m_path->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);

    buildLists();

    auto* caption = new QLabel(QStringLiteral("Datei:"), this);
    caption->setObjectName(QStringLiteral("dat"));
    caption->setGeometry(twips::rect(240, 3720, 495, 255));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Datei"));
    m_name->setGeometry(twips::rect(720, 3720, 6015, 285));
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_murmex.laden_speichern[m_k].Datei.setText(text);
        m_afterEvent();
    });

    auto* action = new QPushButton(
        isSavePanel(k) ? QStringLiteral("&speichern") : QStringLiteral("&laden"), this);
    action->setObjectName(isSavePanel(k) ? QStringLiteral("speichern") : QStringLiteral("laden"));
    action->setGeometry(twips::rect(240, 4200, 3135, 615));
    connect(action, &QPushButton::clicked, this, [this] {
        if (isSavePanel(m_k))
            speichern_Click(m_murmex, m_platform);
        else
            laden_Click(m_murmex, m_platform);
        m_afterEvent();
    });
    // Return in the name field does what the panel is there for.
    connect(m_name, &QLineEdit::returnPressed, action, &QPushButton::click);

    auto* cancel = new QPushButton(
        isSavePanel(k) ? QStringLiteral("&Abbruch") : QStringLiteral("Abbruch"), this);
    cancel->setObjectName(QStringLiteral("Abbruch"));
    cancel->setGeometry(twips::rect(3600, 4200, 3135, 615));
    connect(cancel, &QPushButton::clicked, this, [this] {
        Abbruch_Click(m_murmex, m_k);
        m_afterEvent();
    });

    setVisible(false);
}

void FilePanelWidget::buildLists()
{
    m_drive = new QComboBox(this);
    m_drive->setObjectName(QStringLiteral("Drive"));
    m_drive->setGeometry(twips::rect(240, 720, 3135, 315));
    m_drive->addItems(drives());
    connect(m_drive, &QComboBox::activated, this, [this](int index) {
        m_murmex.laden_speichern[m_k].Drive.setText(m_drive->itemText(index));
        m_afterEvent();
    });

    m_directories = new QTreeWidget(this);
    m_directories->setObjectName(QStringLiteral("Dir"));
    m_directories->setGeometry(twips::rect(240, 1200, 3135, 2340));
    m_directories->setHeaderHidden(true);
    m_directories->setRootIsDecorated(false);
    m_directories->setIndentation(twips::toPixels(150));
    // A click only refreshes the files; opening a directory moves there.
    connect(m_directories, &QTreeWidget::itemClicked, this, [this] {
        Dir_Change(m_murmex, m_k);
        m_afterEvent();
    });
    connect(m_directories, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        goToDirectory(m_murmex, m_k, item->data(0, kPathRole).toString());
        m_afterEvent();
    });

    m_files = new QListWidget(this);
    m_files->setObjectName(QStringLiteral("File"));
    m_files->setGeometry(twips::rect(3480, 720, 3255, 2820));
    connect(m_files, &QListWidget::itemClicked, this,
        [this](const QListWidgetItem* item) { fileChosen(item); });
    connect(m_files, &QListWidget::currentItemChanged, this,
        [this](const QListWidgetItem* item) { fileChosen(item); });
}

void FilePanelWidget::fileChosen(const QListWidgetItem* item)
{
    if (m_filling || !item)
        return;
    File_Click(m_murmex, m_k, item->text());
    m_afterEvent();
}

// The directory's ancestors as open folders, one level deeper each, then its subdirectories.
void FilePanelWidget::fillDirectories(const QString& directory)
{
    m_directories->clear();
    QStringList chain;
    for (QDir dir(directory);; dir.cdUp()) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot())
            break;
    }
    const QStyle* style = QApplication::style();
    QTreeWidgetItem* parent = nullptr;
    for (const QString& path : chain) {
        const QString name = QDir(path).isRoot() ? path : QDir(path).dirName();
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_directories);
        item->setText(0, name);
        item->setIcon(0, style->standardIcon(QStyle::SP_DirOpenIcon));
        item->setData(0, kPathRole, path);
        parent = item;
    }
    const QDir current(directory);
    for (const QString& name :
        current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QTreeWidgetItem(parent);
        item->setText(0, name);
        item->setIcon(0, style->standardIcon(QStyle::SP_DirClosedIcon));
        item->setData(0, kPathRole, current.filePath(name));
    }
    m_directories->expandAll();
    m_directories->setCurrentItem(parent);
}

void FilePanelWidget::fillFiles(const QStringList& files)
{
    m_filling = true;
    m_files->clear();
    m_files->addItems(files);
    m_filling = false;
}

void FilePanelWidget::render()
{
    const FilePanel& panel = m_murmex.laden_speichern[m_k];
    // A hidden panel's lists are filled when it is shown, not at every event.
    if (!panel.shown) {
        hide();
        return;
    }
    m_path->setText(panel.file_komplett);
    m_path->setToolTip(panel.file_komplett);
    m_drive->setCurrentText(panel.Drive.text());
    if (m_shownDirectory != panel.Dir.text()) {
        m_shownDirectory = panel.Dir.text();
        fillDirectories(m_shownDirectory);
    }
    if (m_shownFiles != panel.File) {
        m_shownFiles = panel.File;
        fillFiles(m_shownFiles);
    }
    if (m_name->text() != panel.Datei.text())
        m_name->setText(panel.Datei.text());

    if (isHidden()) {
        raise();
        show();
        m_name->setFocus();
    }
}
