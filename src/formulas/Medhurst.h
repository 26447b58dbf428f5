#pragma once

// The proximity factor of a single-layer solenoid: how much more the HF resistance of its winding
// is than that of the same wire straight, from the current crowding of neighbouring turns. From
// R. G. Medhurst's measurements ("H.F. resistance and self-capacitance of single-layer
// solenoids", Wireless Engineer, 1947), tabulated by the coil's length to diameter l/D and the
// winding's pitch to wire diameter p/d.

namespace formules {

// The factor at l/D and p/d, linear in each direction between the table's nodes (bilinear). The
// rows run from l/D 0 (a flat coil) to 10, then a very long coil, whose row any l/D above 10
// takes; p/d runs from 1 (turns touching) to 10, whose column any wider pitch takes. A p/d under
// 1 (which no wire that fits its pitch has) takes the column of 1.
double proximityFactor(double lengthToDiameter, double pitchToWire);

} // namespace formules
