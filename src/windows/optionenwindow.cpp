#include "windows/optionenwindow.h"

#include "game/options.h"
#include "model/murmex.h"
#include "windows/colours.h"
#include "windows/fonts.h"
#include "windows/framewidget.h"
#include "windows/palettes.h"
#include "windows/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

OptionenWindow::OptionenWindow(Murmex& murmex, Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_murmex(murmex)
{
    setObjectName(QStringLiteral("optionen"));
    setWindowTitle(QStringLiteral("Optionen"));
    setFixedSize(twips::size(7155, 4410));
    setFont(fonts::general(12));
    palettes::setColours(this, colours::kWindow);

    const QString ja = QStringLiteral("ja");
    const QString nein = QStringLiteral("nein");
    addPair(1, twips::rect(120, 0, 6915, 555), {},
        {1, QStringLiteral("Ich will alle Wörter in der Liste sehen"), 120},
        {0, QStringLiteral("maximal 10 Wörter"), 4380});
    addPair(0, twips::rect(120, 600, 6915, 855),
        QStringLiteral("nach dem Legen einer Spielsituation sollen die Buchstaben immer "
                       "gleich fixiert werden"),
        {2, ja, 5040}, {3, nein, 5940});
    addPair(3, twips::rect(120, 1470, 6915, 555),
        QStringLiteral("Soll die Liste beim Fixieren gelöscht werden?"), {6, ja, 5040},
        {7, nein, 5940});
    addPair(2, twips::rect(120, 1995, 6915, 555),
        QStringLiteral("alleine spielen mit einem Zufallsgenerator            ja"),
        {5, QStringLiteral(" ja"), 5040}, {4, nein, 5940});
    addPair(4, twips::rect(120, 2625, 6915, 870),
        u'"' + QStringLiteral("Spiel speichern") + u'"'
            + QStringLiteral(" ohne nachzufragen aktivieren?"),
        {9, QStringLiteral(" ja"), 5040}, {8, nein, 5940});
    addPair(5, twips::rect(120, 4440, 6915, 555), {}, {11, QStringLiteral("  ja"), 5040},
        {10, nein, 5940});

    auto* save = new QPushButton(QStringLiteral("speichern"), this);
    save->setObjectName(QStringLiteral("Command1"));
    save->setGeometry(twips::rect(630, 3675, 2445, 465));
    auto* cancel = new QPushButton(QStringLiteral("abbrechen"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    cancel->setGeometry(twips::rect(3465, 3675, 2445, 465));
    connect(save, &QPushButton::clicked, this, [this, &platform] {
        optionen_Command1_Click(m_murmex, platform);
        hide();
    });
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);

    render();
}

// A question at the left, the two buttons at the right; the first pair has no question.
void OptionenWindow::addPair(int frameIndex, const QRect& geometry, const QString& question,
    const Button& first, const Button& second)
{
    auto* frame = new FrameWidget({}, colours::kFrame, this);
    frame->setObjectName(u"Frame1_" + QString::number(frameIndex));
    frame->setGeometry(geometry);
    frame->setVisible(frameIndex != 5);
    const int rowHeight = twips::toPixels(375);
    const int buttonTop = (geometry.height() - rowHeight) / 2;

    if (!question.isEmpty()) {
        auto* label = new QLabel(question, frame);
        label->setWordWrap(true);
        label->setGeometry(twips::toPixels(120), 2, twips::toPixels(4800), geometry.height() - 4);
        palettes::setColours(label, colours::kFrame);
    }
    const Button* right = first.left > second.left ? &first : &second;
    for (const Button* spec : {&first, &second}) {
        const int width = spec == right ? 6800 - spec->left : right->left - spec->left - 60;
        auto* button = new QRadioButton(spec->caption, frame);
        button->setObjectName(u"Option1_" + QString::number(spec->index));
        button->setGeometry(
            twips::toPixels(spec->left), buttonTop, twips::toPixels(width), rowHeight);
        // The store decides what is selected, a pair may have no selection at all.
        button->setAutoExclusive(false);
        // A button fills with its Button role; the frame's green belongs behind it.
        button->setBackgroundRole(QPalette::Window);
        palettes::setColours(button, colours::kFrame);
        const int index = spec->index;
        connect(button, &QRadioButton::clicked, this, [this, index] {
            m_murmex.Option1.select(index);
            render();
        });
        m_buttons[index] = button;
    }
}

void OptionenWindow::render()
{
    for (int k = 0; k < int(m_buttons.size()); ++k)
        m_buttons[k]->setChecked(m_murmex.Option1.isSelected(k));
}
