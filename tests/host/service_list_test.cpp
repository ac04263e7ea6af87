// The host service list against the host's published order of services and virtual tables.
#include <gtest/gtest.h>

#include <vector>

#include "host/service_catalogue.h"
#include "host/virtual_tables.h"

namespace {

// The binding order, as the host's interface lists its services.
const std::vector<uint16_t> kPublishedOrder = {
    37996, 51425, 52092, 33197, 20903, 41399, 52023, 52311, 52256, 34200, 52030, 21298, 21260, 21243, 52161, 34704,
    21213, 21244, 21261, 21212, 21228, 21215, 21214, 21253, 21223, 21222, 21248, 21230, 21257, 21251, 21220, 21235,
    21233, 21236, 21217, 21239, 21218, 21255, 21246, 21247, 21242, 21221, 21219, 21229, 21252, 21234, 21232, 21238,
    21206, 21256, 21254, 21231, 21225, 21258, 21203, 21202, 34504, 34199, 30018, 51594, 52462, 32008, 52518, 21284,
    33904, 52290, 21287, 20902, 52431, 22562, 22563, 22566, 22564, 50516, 50514, 52465, 22567, 52296, 52451, 52156,
    52288, 52204, 52299, 22570, 52179, 21281, 52028, 52286, 20967, 20958, 20959, 20960, 20961, 20962, 20963, 20964,
    20965, 20966, 20957, 20948, 20949, 20950, 20951, 20952, 20953, 20954, 20955, 20956, 20947, 20938, 20939, 20940,
    20941, 20942, 20943, 20944, 20945, 20946, 20937, 24002, 24003, 24004, 35804, 41611, 40008, 41613};

TEST(ServiceList, BindsInThePublishedOrder) {
  std::vector<uint16_t> order;
  for (const host::ServiceEntry& service : host::kServices) order.push_back(service.ordinal);
  EXPECT_EQ(order, kPublishedOrder);
}

}  // namespace
