#pragma once

#include <QFont>

// The fonts the windows were designed with where installed, else the system's own.
namespace fonts {

QFont general(int pointSize);
QFont fixedPitch(int pointSize);

} // namespace fonts
