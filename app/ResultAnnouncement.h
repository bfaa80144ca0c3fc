#pragma once

#include <string_view>

#include "rules/Outcome.h"

// What the end of a game says and plays: the text of the "Results:" box and the sound
// started with it (empty when none).
struct ResultAnnouncement {
    std::string_view Message;
    std::string_view Sound;
};

ResultAnnouncement AnnouncementOf(GameResult result);
