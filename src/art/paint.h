#pragma once
// Shape drawing for the fixed pictures: gradients, bevels and anti-aliased polygons and glows.
#include <vector>

#include "base/surface.h"
#include "platform/control.h"

namespace kv {

struct PointF {
    double x = 0, y = 0;
};

// a and b mixed; t = 0 gives a, t = 255 gives b.
Colour mixColour(Colour a, Colour b, int t);
// Lays c over the pixel with coverage alpha (0..255).
void blendPixel(Surface& s, int x, int y, Colour c, int alpha);
// The colour at t (0 = first stop, 1 = last) of a gradient through evenly spaced stops.
Colour gradientColour(const std::vector<Colour>& stops, double t);

// Top-to-bottom gradient through evenly spaced colours (two or more).
void fillGradient(Surface& s, const Rect& r, const std::vector<Colour>& stops);
// Left-to-right gradient through evenly spaced colours.
void fillGradientAcross(Surface& s, const Rect& r, const std::vector<Colour>& stops);
// A frame `depth` pixels thick inside r: light on the top and left, dark on the bottom and right
// (swap the colours for a sunken look).
void drawBevel(Surface& s, const Rect& r, int depth, Colour light, Colour dark);
// A one-pixel rectangle outline inside r.
void drawFrame(Surface& s, const Rect& r, Colour c);

// Filled polygon (even-odd rule) with smooth edges.
void fillPolygon(Surface& s, const std::vector<PointF>& points, Colour c, int alpha = 255);
void fillEllipse(Surface& s, double cx, double cy, double rx, double ry, Colour c, int alpha = 255);
// A band `width` wide along the straight line from a to b.
void drawLine(Surface& s, PointF a, PointF b, double width, Colour c, int alpha = 255);
// A band `width` wide along the arc of radius r about (cx, cy) from angle a0 to a1 (radians,
// y downwards).
void drawArc(Surface& s, double cx, double cy, double r, double a0, double a1, double width,
             Colour c);
// A rectangle with rounded corners of radius rad.
void fillRoundRect(Surface& s, double x, double y, double w, double h, double rad, Colour c);
// A four-pointed twinkle of the given arm length.
void drawSparkle(Surface& s, double cx, double cy, double arm, Colour c);
// A soft round glow added to what is there: full `core` at the centre, fading to nothing at r.
void addGlow(Surface& s, double cx, double cy, double r, Colour core);

// Small repeatable random numbers, so every picture is drawn the same at every start.
class ArtRandom {
  public:
    explicit ArtRandom(unsigned seed) : state_(seed * 2654435761u + 1) {}
    // A whole number from lo to hi inclusive.
    int between(int lo, int hi);

  private:
    unsigned state_;
};

}  // namespace kv
