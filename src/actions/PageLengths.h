#pragma once
// Lengths on the printed page. The page is laid out in twips; the margins
// come in millimetres, and the picture and the area it is fitted into are
// measured in HIMETRIC (0.01 mm). Each conversion takes its value rounded to
// a float and gives a float; each throws PrintError (overflow) when a value
// does not fit a float.

namespace kx {

float MillimetresToTwips(double millimetres);
float HimetricToTwips(double himetric);
float TwipsToHimetric(double twips);

// A double rounded to a float; throws PrintError (overflow) when it does not
// fit or is not a number.
float ToSingle(double value);

}  // namespace kx
