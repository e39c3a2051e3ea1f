// The MCI command layer: the plain send, and MciSend, MciQuery and MciPlay,
// which turn results into a status and a reply text. Commands and replies
// are ANSI (code page 932) bytes, as MCI takes and gives them; nothing here
// shows or logs an error.
#pragma once

#include <cstdint>
#include <string>

namespace Ondira_BGM {

extern char MciReturnBuffer[512];  // reply area of every MciSend
extern char MciErrorBuffer[256];   // error text of a failed MciSend
extern std::string MciReply;       // reply text of MciQuery and MciPlay

// Sends `command` with no reply wanted; returns the MCI error code.
std::uint32_t SendMciString(const std::string& command);

// Sends `command` with `reply` (of `replySize` bytes) as reply area.
std::uint32_t SendMciString(const std::string& command, char* reply, unsigned replySize);

// 0 with the device's reply, the MCI error code with its error text, or -1
// when the command is empty (nothing is sent then).
std::int32_t MciSend(const std::string& command, std::string& reply);

// The device's reply, or "Error:" followed by the status in decimal.
std::string MciQuery(const std::string& command);

// Sends "play <device>", with " from <from>" and " to <to>" for the
// positions given (an empty text is a position not given); returns MciSend's status.
std::int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to);

// The text of a reply area up to its first NUL, never past its end.
std::string TextOfReplyArea(const char* area, unsigned size);

}  // namespace Ondira_BGM
