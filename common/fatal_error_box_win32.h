// The fatal error report as Windows shows it: a message box with no owner,
// the caption "错误" and the error icon; closing it ends the process with
// exit code -1.
#pragma once

namespace uescape {

void InstallFatalErrorBox();

}  // namespace uescape
