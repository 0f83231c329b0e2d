#include "weights/WeightFormulas.h"

#include <cmath>

namespace kelvane {

namespace {

using Extended = long double;

// The weight of one piece from a weight per metre and a length in mm.
double pieceWeight(double perMetre, double length) {
    return static_cast<double>(static_cast<Extended>(perMetre) * length / 1000);
}

// The weight of a quantity of pieces.
double QuantityWeight(double perPiece, double qty) {
    return static_cast<double>(static_cast<Extended>(perPiece) * qty);
}

// The weight per metre of a round section of the given radius.
Extended circleWeightPerMetre(Extended radius, double density) {
    return radius * radius * kExtendedPi * density / 1000;
}

} // namespace

WeightResults calcRound(const WeightInputs& inputs) {
    const double dia = inputs.values[0];
    const double length = inputs.values[1];
    const double qty = inputs.values[2];
    WeightResults r;
    double& kgm = r.weights[0];
    double& kgBar = r.weights[1];
    double& kgQty = r.weights[2];

    if (dia != 0) {
        const Extended radius = static_cast<Extended>(dia) / 2;
        kgm = static_cast<double>(kExtendedPi * (radius * radius) * inputs.density / 1000);
    }
    if (dia != 0 && kgm != 0)
        kgBar = pieceWeight(kgm, length);
    if (dia != 0 && kgm != 0 && qty != 0)
        kgQty = QuantityWeight(kgBar, qty);
    return r;
}

int polygonSides(std::string_view shape) {
    for (const PolygonShape& known : kPolygonShapes)
        if (known.name == shape)
            return known.sides;
    return 0;
}

WeightResults calcPolygon(const WeightInputs& inputs) {
    const double acrossFlats = inputs.values[0];
    const double length = inputs.values[1];
    const double qty = inputs.values[2];
    const int sides = polygonSides(inputs.shape);
    WeightResults r;
    double& kgm = r.weights[0];
    double& kgBar = r.weights[1];
    double& kgQty = r.weights[2];
    double machiningDiameter = 0;

    if (acrossFlats != 0 && sides != 0) {
        // h is the radius of the inscribed circle; the section is 2n right triangles
        // of height h and base h·tan(π/n).
        const double h = static_cast<double>(static_cast<Extended>(acrossFlats) / 2);
        const double hSquared = static_cast<double>(static_cast<Extended>(h) * h);
        const Extended halfAngle = kExtendedPi / sides;
        const double area =
            static_cast<double>(std::tan(halfAngle) * (sides * static_cast<Extended>(hSquared)));
        kgm = static_cast<double>(static_cast<Extended>(area) * inputs.density / 1000);
        machiningDiameter = static_cast<double>(h / std::cos(halfAngle) * 2);
    }
    if (acrossFlats != 0 && kgm != 0)
        kgBar = pieceWeight(kgm, length);
    if (acrossFlats != 0 && kgm != 0 && qty != 0)
        kgQty = QuantityWeight(kgBar, qty);
    if (kgm == 0)
        machiningDiameter = 0;
    r.machiningDiameter = machiningDiameter;
    return r;
}

WeightResults calcBar(const WeightInputs& inputs) {
    const double width = inputs.values[0];
    const double thickness = inputs.values[1];
    const double length = inputs.values[2];
    const double qty = inputs.values[3];
    WeightResults r;
    double& kgm = r.weights[0];
    double& kgBar = r.weights[1];
    double& kgQty = r.weights[2];

    if (width != 0 && thickness != 0)
        kgm = static_cast<double>(static_cast<Extended>(width) * thickness * inputs.density / 1000);
    if (length != 0 && kgm != 0)
        kgBar = pieceWeight(kgm, length);
    if (length != 0 && kgm != 0 && qty != 0)
        kgQty = QuantityWeight(kgBar, qty);

    double diagonal = 0;
    if (width != 0 && thickness != 0) {
        const Extended w = width;
        const Extended t = thickness;
        diagonal = static_cast<double>(std::sqrt(w * w + t * t));
    }
    r.machiningDiameter = diagonal;
    return r;
}

WeightResults calcSheet(const WeightInputs& inputs) {
    const double length = inputs.values[0];
    const double width = inputs.values[1];
    const double thickness = inputs.values[2];
    const double qty = inputs.values[3];
    WeightResults r;
    double& kgPerSquareMetre = r.weights[0];
    double& kgSheet = r.weights[1];
    double& kgQty = r.weights[2];

    if (thickness != 0)
        kgPerSquareMetre = static_cast<double>(static_cast<Extended>(thickness) * inputs.density);
    if (length != 0 && width != 0 && kgPerSquareMetre != 0)
        kgSheet =
            static_cast<double>(static_cast<Extended>(kgPerSquareMetre) * length * width / 1000000);
    if (kgPerSquareMetre != 0 && qty != 0)
        kgQty = QuantityWeight(kgSheet, qty);
    return r;
}

WeightResults calcTube(const WeightInputs& inputs) {
    const double outside = inputs.values[0];
    const double wall = inputs.values[1];
    const double length = inputs.values[2];
    const double qty = inputs.values[3];
    WeightResults r;
    double& kgm = r.weights[0];
    double& kgBar = r.weights[1];
    double& kgQty = r.weights[2];

    if (outside != 0) {
        // With a wall of 0 both terms come from identical operands and cancel exactly.
        const double bore = static_cast<double>(outside - 2 * static_cast<Extended>(wall));
        const Extended outer =
            circleWeightPerMetre(static_cast<Extended>(outside) / 2, inputs.density);
        const Extended inner =
            circleWeightPerMetre(static_cast<Extended>(bore) / 2, inputs.density);
        kgm = static_cast<double>(outer - inner);
    }
    if (outside != 0 && kgm != 0)
        kgBar = pieceWeight(kgm, length);
    if (kgm != 0 && qty != 0)
        kgQty = QuantityWeight(kgBar, qty);
    return r;
}

WeightResults calcHollow(const WeightInputs& inputs) {
    const double height = inputs.values[0];
    const double width = inputs.values[1];
    const double wall = inputs.values[2];
    const double length = inputs.values[3];
    const double qty = inputs.values[4];
    WeightResults r;
    double& kgm = r.weights[0];
    double& kgBar = r.weights[1];
    double& kgQty = r.weights[2];

    // The rule of thumb gives kg per metre of steel, density 7.85.
    constexpr Extended kSteelDensity = 7.85L;
    if (height != 0 && width != 0 && wall != 0)
        kgm = static_cast<double>(((static_cast<Extended>(height) + width) / 2 - wall) * wall / 32);
    kgm = static_cast<double>(kgm / kSteelDensity * inputs.density);
    if (kgm != 0)
        kgBar = pieceWeight(kgm, length);
    if (kgm != 0 && qty != 0)
        kgQty = QuantityWeight(kgBar, qty);
    return r;
}

} // namespace kelvane
