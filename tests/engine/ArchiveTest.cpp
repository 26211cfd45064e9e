#include <gtest/gtest.h>

#include "core/Archive.h"

TEST(Archive, StringPrefixes) {
  for (std::size_t n : {0u, 254u, 255u, 65533u, 65534u}) {
    Archive w;
    w.WriteString(std::string(n, 'x'));
    std::size_t prefix = n < 255 ? 1 : n < 65534 ? 3 : 7;
    ASSERT_EQ(w.Bytes().size(), n + prefix) << n;
    Archive r(w.Bytes().data(), w.Bytes().size());
    EXPECT_EQ(r.ReadString(), std::string(n, 'x'));
    EXPECT_TRUE(r.AtEnd());
  }
}
