#pragma once

#include <QChar>
#include <string>

namespace qtui {

// The letter that reaches a widget with Alt, by the name of the caption or button that
// carries it ("Ong_Sectorisation.1" for the second tab), or a null QChar for none. The
// letters were chosen so that no two of the screen share one; the captions keep their
// text, only the letter is underlined.
QChar MnemonicOf(const std::string& name);

}  // namespace qtui
