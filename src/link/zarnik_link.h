#pragma once

#include "link/memory_image.h"
#include "link/serial_port.h"
#include "program/editor.h"
#include "program/user_interface.h"

#include <functional>
#include <string>
#include <vector>

namespace zf {

inline constexpr std::uint8_t kStoreProgramCommand = 0x19;
inline constexpr std::uint8_t kReadProgramCommand = 0x1A;

// Sends an image to the robot on the selected port: 1 on success, 0 on
// failure. Either way the user has been told.
int CopyProgramToZarnik(UserInterface& ui, const LinkSettings& link,
                        const ZarnikMemoryImage& image);
// Reads the robot's image: non-zero on success, 0 on failure (told).
int CopyProgramFromZarnik(UserInterface& ui, const LinkSettings& link, ZarnikMemoryImage& image);

// The part of a transfer that waits on the lead, telling the user through
// the interface it is given; and what runs it. With no runner it runs at
// once with the editor's own interface; the desktop runs it on a thread of
// its own so that the windows stay alive, and shows its warnings after.
using LinkWork = std::function<int(UserInterface&)>;
using LinkRunner = std::function<int(const LinkWork&)>;

// Keeps the warnings of a transfer that runs away from the windows, to be
// shown in the same order once it has ended.
class HeldWarnings : public UserInterface {
  public:
    void WarningBox(TextId id, const std::string& text) override;
    void InformationBox(TextId id, const std::string& text) override;
    Answer Ask(TextId id, const std::string& text, Buttons buttons) override;
    void ShowTo(UserInterface& ui) const;

  private:
    struct Held {
        TextId id;
        std::string text;
        bool information;
    };
    std::vector<Held> held_;
};

// Floor Zarnik > Send GO Program: checks, deletes empty procedures, encodes
// both lists and sends them once a robot answers. True when the robot took
// the program.
bool SendGoProgram(GoEditor& editor, const LinkSettings& link, const LinkRunner& runner = {});

// Floor Zarnik > Get GO Program: replaces both lists with the robot's
// program and says so. False when nothing sound could be read; the lists
// are then untouched.
bool ReadZarnikProgramToZarnikMemBuffer(GoEditor& editor, const LinkSettings& link,
                                        const LinkRunner& runner = {});

} // namespace zf
