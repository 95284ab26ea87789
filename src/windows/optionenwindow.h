#pragma once

#include <QDialog>

#include <array>

struct Murmex;
class QRadioButton;

// "Optionen": six pairs of option buttons, of which five are shown. The buttons show and set
// the option store of the state; the window itself holds no value.
class OptionenWindow : public QDialog
{
public:
    OptionenWindow(Murmex& murmex, QWidget* parent);

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
