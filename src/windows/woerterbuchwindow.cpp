#include "windows/woerterbuchwindow.h"

#include "windows/colours.h"
#include "windows/fonts.h"
#include "windows/framewidget.h"
#include "windows/palettes.h"
#include "windows/sidewindow.h"
#include "windows/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

void showLines(QListWidget* view, const ListBox& list)
{
    bool same = view->count() == list.count();
    for (int i = 0; same && i < list.count(); ++i)
        same = view->item(i)->text() == list.line(i);
    if (same)
        return;
    view->clear();
    view->addItems(list.lines());
}

// Typing goes on where it was, also when the handler changed the text (upper case).
void showText(QLineEdit* box, const TextBox& text)
{
    if (box->text() == text.text())
        return;
    const int cursor = box->cursorPosition();
    box->setText(text.text());
    box->setCursorPosition(cursor);
}

QListWidget* addList(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(geometry);
    list->setFont(fonts::fixedPitch(10));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

} // namespace

WoerterbuchWindow::WoerterbuchWindow(const Murmex& main, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_state(main)
    , m_messages(this)
{
    setObjectName(QStringLiteral("Wörterbuch"));
    setWindowTitle(QStringLiteral("Mein Wörterbuch"));
    setFixedSize(twips::size(8400, 6600));
    setFont(fonts::general(10));
    palettes::setColours(this, colours::kWindow);

    m_list1 = addList(this, "List1", twips::rect(120, 120, 2520, 6360));
    buildFilterFrame();
    m_list2 = addList(this, "List2", twips::rect(2760, 1920, 2520, 4560));

    m_command1 = addButton(
        "Command1", QStringLiteral("gelegte Wörter aufnehmen"), twips::rect(5400, 1920, 2880, 450));
    m_command2 = addButton("Command2", QStringLiteral("Wörterbuch speichern / Ende"),
        twips::rect(5400, 2490, 2880, 450));
    QPushButton* command4
        = addButton("Command4", QStringLiteral("Ende"), twips::rect(5400, 6030, 2880, 450));
    connect(m_command1, &QPushButton::clicked, this, [this] {
        m_state.Command1_Click();
        render();
    });
    connect(m_command2, &QPushButton::clicked, this, [this] {
        m_state.Command2_Click(m_messages);
        render();
    });
    connect(command4, &QPushButton::clicked, this, [this] {
        m_state.Command4_Click();
        render();
    });

    m_state.Form_Load();
    render();
}

void WoerterbuchWindow::buildFilterFrame()
{
    auto* frame = new FrameWidget({}, colours::kFrame, this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twips::rect(2760, 60, 5520, 1740));

    const struct
    {
        QString caption;
        QRect geometry;
    } options[] = {
        {QStringLiteral("alle Wörter"), twips::rect(180, 180, 2400, 360)},
        {QStringLiteral("nur"), twips::rect(180, 660, 840, 360)},
    };
    for (int index = 0; index < int(m_option1.size()); ++index) {
        auto* option = new QRadioButton(options[index].caption, frame);
        option->setObjectName(u"Option1_" + QString::number(index));
        option->setGeometry(options[index].geometry);
        // The state decides which option is selected.
        option->setAutoExclusive(false);
        // A button fills its background in the button colour, the frame's green is wanted.
        option->setBackgroundRole(QPalette::Window);
        palettes::setColours(option, colours::kFrame);
        connect(option, &QRadioButton::clicked, this, [this, index] {
            m_state.Option1.select(index);
            render();
        });
        m_option1[index] = option;
    }

    const auto addTextBox
        = [this, frame](const char* name, const QRect& geometry, TextBox Woerterbuch::*text) {
              auto* box = new QLineEdit(frame);
              box->setObjectName(QString::fromLatin1(name));
              box->setGeometry(geometry);
              box->setAlignment(Qt::AlignCenter);
              connect(box, &QLineEdit::textEdited, this, [this, text](const QString& typed) {
                  (m_state.*text).setText(typed);
                  render();
              });
              return box;
          };
    m_text1 = addTextBox("Text1", twips::rect(1080, 645, 600, 390), &Woerterbuch::Text1);
    m_text2 = addTextBox("Text2", twips::rect(1920, 1155, 600, 390), &Woerterbuch::Text2);

    const struct
    {
        const char* name;
        QString caption;
        QRect geometry;
    } labels[] = {
        {"Label1", QStringLiteral("Buchstaben"), twips::rect(1800, 660, 2400, 360)},
        {"Label2", QStringLiteral("beginnend mit"), twips::rect(420, 1170, 1440, 360)},
    };
    for (const auto& spec : labels) {
        auto* label = new QLabel(spec.caption, frame);
        label->setObjectName(QString::fromLatin1(spec.name));
        label->setGeometry(spec.geometry);
        palettes::setColours(label, colours::kFrame);
    }
}

QPushButton* WoerterbuchWindow::addButton(
    const char* name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

WoerterbuchWindow& WoerterbuchWindow::loadedFor(QWidget* mainWindow, const Murmex& main)
{
    return loadedSideWindow<WoerterbuchWindow>(mainWindow, main);
}

void WoerterbuchWindow::gameLoadingPanelOpened(QWidget* mainWindow, const Murmex& main)
{
    WoerterbuchWindow& window = loadedFor(mainWindow, main);
    window.m_state.command1Enabled = true;
    window.render();
}

void WoerterbuchWindow::Command11_Click()
{
    m_state.visible = true;
    render();
    bringForward(*this);
}

void WoerterbuchWindow::reject()
{
    m_state.Command4_Click();
    render();
}

void WoerterbuchWindow::render()
{
    showLines(m_list1, m_state.List1);
    showLines(m_list2, m_state.List2);
    for (int index = 0; index < int(m_option1.size()); ++index)
        m_option1[index]->setChecked(m_state.Option1.isSelected(index));
    showText(m_text1, m_state.Text1);
    showText(m_text2, m_state.Text2);
    m_command1->setEnabled(m_state.command1Enabled);
    m_command2->setEnabled(m_state.command2Enabled);
    setVisible(m_state.visible);
}
