#include "view/picture_cells.h"

#include "view/picture_strips.h"

namespace vantoki {
namespace {

// Division that rounds towards minus infinity, as the picture arithmetic does for negative
// values (a countdown of 0 asks for (0 - 1) / 3 = -1).
int roundedDownQuotient(int numerator, int denominator) {
  const int quotient = numerator / denominator;
  return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

}  // namespace

int arrowPictureOf(TileCode value) {
  return arrowDirection(value) + kFirstArrowPicture;
}

int digitPictureOf(TileCode value) {
  return roundedDownQuotient(arrowCountdown(value) - 1, 3) + kFirstDigitPicture + 1;
}

int travellingBallPictureOf(TileCode startCell) {
  return roundedDownQuotient(startCell, kArrowCountdownSpan) + kBallPicture;
}

}  // namespace vantoki
