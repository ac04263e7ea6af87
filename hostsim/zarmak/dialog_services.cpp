// The WDialogBase part of the plug-in's report object.
#include "hostsim/zarmak/recording.h"
#include "hostsim/zarmak/service_declarations.h"

extern "C" {
void PM_MEMBER_CALL ZARMAK_ordinal_20902(WDialogBase* self) {
  hostsim::Record(20902, self);
  hostsim::Host().dialogs.Construct(self);
}
void PM_MEMBER_CALL ZARMAK_ordinal_20903(WDialogBase* self) {
  hostsim::Record(20903, self);
  hostsim::Host().dialogs.Destroy(self);
}
}
