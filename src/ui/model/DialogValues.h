// What the reliability dialog and the main window exchange: the starting
// values going in, the user's choice coming out. At most one of the three
// flags is set when the dialog has closed; none after Cancel.
#pragma once

namespace wendox {

struct DialogValues {
    float reliability = 100.0f;  // percent, 0 to 100
    float hours = 1.0f;          // the flight time the reliability is based on
    bool accepted = false;
    bool test = false;
    bool clear = false;
};

}  // namespace wendox
