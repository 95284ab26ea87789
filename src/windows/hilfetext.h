#pragma once

#include <QStringList>

// The text of the help window, one entry a line, trailing blanks included.
namespace hilfetext {

QStringList lines();

} // namespace hilfetext
