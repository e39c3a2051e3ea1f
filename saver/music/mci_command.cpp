#include "mci_command.h"

#include <algorithm>

#include "music_platform.h"

namespace Ondira_BGM {

char MciReturnBuffer[512];
char MciErrorBuffer[256];
std::string MciReply;

namespace {

// The two replies of MciSend that do not come from MCI, in code page 932
// like MCI's own texts.
// "コマンド文字列が指定されていません" (no command string has been given)
const char kNoCommandText[] =
    "\x83\x52\x83\x7d\x83\x93\x83\x68\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x8e\x77"
    "\x92\xe8\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1";
// "Error (文字列が取れません)" (error, the text could not be obtained)
const char kNoErrorText[] =
    "Error ("
    "\x95\xb6\x8e\x9a\x97\xf1\x82\xaa\x8e\xe6\x82\xea\x82\xdc\x82\xb9\x82\xf1"
    ")";

}  // namespace

std::string TextOfReplyArea(const char* area, unsigned size) {
  return std::string(area, std::find(area, area + size, '\0'));
}

std::uint32_t SendMciString(const std::string& command) {
  return CurrentMusicPlatform().MciSendString(command.c_str(), nullptr, 0);
}

std::uint32_t SendMciString(const std::string& command, char* reply, unsigned replySize) {
  return CurrentMusicPlatform().MciSendString(command.c_str(), reply, replySize);
}

std::int32_t MciSend(const std::string& command, std::string& reply) {
  if (command.empty()) {
    reply = kNoCommandText;
    return -1;
  }
  const std::int32_t status = static_cast<std::int32_t>(
      SendMciString(command, MciReturnBuffer, sizeof MciReturnBuffer));
  if (status == 0) {
    reply = TextOfReplyArea(MciReturnBuffer, sizeof MciReturnBuffer);
    return 0;
  }
  if (CurrentMusicPlatform().MciGetErrorString(static_cast<std::uint32_t>(status), MciErrorBuffer,
                                               sizeof MciErrorBuffer)) {
    reply = TextOfReplyArea(MciErrorBuffer, sizeof MciErrorBuffer);
  } else {
    reply = kNoErrorText;
  }
  return status;
}

std::string MciQuery(const std::string& command) {
  const std::int32_t status = MciSend(command, MciReply);
  if (status != 0) return "Error:" + std::to_string(status);
  return MciReply;
}

std::int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to) {
  std::string command = "play " + device;
  if (!from.empty()) command += " from " + from;
  if (!to.empty()) command += " to " + to;
  return MciSend(command, MciReply);
}

}  // namespace Ondira_BGM
