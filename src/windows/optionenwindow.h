#pragma once

#include <QDialog>

#include <array>

struct Murmex;
struct Platform;
class QRadioButton;

// "Optionen": six pairs of option buttons, of which five are shown. The buttons show and set
// the option store of the state; the window itself holds no value. "speichern" keeps the
// selections in the options file, "abbrechen" only hides the window.
class OptionenWindow : public QDialog
{
public:
    OptionenWindow(Murmex& murmex, Platform& platform, QWidget* parent);

    void render();

private:
    struct Button
    {
        int index;
        QString caption;
        int left; // twips inside the frame
    };

    void addPair(int frameIndex, const QRect& geometry, const QString& question,
        const Button& first, const Button& second);

    Murmex& m_murmex;
    std::array<QRadioButton*, 12> m_buttons{};
};
