// What the engine needs of the desktop it runs on. The Win32 layer makes the
// real calls; tests script them.
#pragma once

#include <string>

namespace wendox {

class Desktop {
public:
    virtual ~Desktop() = default;

    // Seconds since midnight, single precision: the clock mixed into every
    // random draw.
    virtual float SecondsSinceMidnight() = 0;
    // The folder that holds the program file, without a trailing backslash.
    virtual const std::string& ProgramFolder() = 0;
    // The user's regional decimal separator.
    virtual char DecimalSeparator() = 0;
    virtual bool IsOrdinaryFile(const std::string& path) = 0;
    // Starts playing a sound file and returns at once; a new sound cuts off
    // one still playing.
    virtual void PlaySoundFile(const std::string& path) = 0;
    // A modal message box with an OK button and the program's default title,
    // with the exclamation icon or none.
    virtual void ShowMessage(const std::string& text, bool exclamation) = 0;
};

}  // namespace wendox
