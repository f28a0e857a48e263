// The media control alone, without the player around it: plays one file
// for a number of seconds through the same control the player hosts, so
// the CPU benchmark can tell the player's own share from the platform's.
//   vorne_control_alone.exe <file> <seconds>
#include <windows.h>

#include <cstdlib>

#include "platform/mediaplayer/media_player.h"
#include "runtime/com/late_bound.h"
#include "runtime/com/object.h"

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  CoInitialize(nullptr);
  int status = 1;
  {
    vorne::com::Ptr<IDispatch> player;
    if (SUCCEEDED(vorne::mediaplayer::CreateMediaPlayer(player.Out()))) {
      VARIANT name = vorne::com::TextArg(argv[1]);
      if (SUCCEEDED(vorne::com::PutProperty(player.Get(), vorne::mediaplayer::kDispFileName, name))) status = 0;
      VariantClear(&name);
      SetTimer(nullptr, 1, static_cast<UINT>(std::atoi(argv[2])) * 1000, nullptr);
      MSG m;
      while (status == 0 && GetMessageW(&m, nullptr, 0, 0) > 0) {
        if (m.message == WM_TIMER && m.hwnd == nullptr) break;
        DispatchMessageW(&m);
      }
    }
  }
  CoUninitialize();
  return status;
}
