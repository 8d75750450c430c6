// The one session of this process.
#include "host/session.h"

HostSession& Session() {
  static HostSession session;
  return session;
}

wirsel::model::Document* FrontDocument() { return Session().workspace.front(); }
