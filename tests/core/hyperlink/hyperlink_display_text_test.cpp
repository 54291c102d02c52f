#include <gtest/gtest.h>

#include "core/hyperlink/hyperlink_state.h"
#include "link_fixture.h"

namespace shiftpad {
namespace {

using testing::kWebLink;

TEST(HyperlinkDisplayText, IsTheTextAsItStandsAmpersandIncluded) {
  EXPECT_EQ(hyperlink_display_text(kWebLink), u"软件来自Quorrin论坛");
  HyperlinkSettings ampersand = kWebLink;
  ampersand.text = u"A & B";
  EXPECT_EQ(hyperlink_display_text(ampersand), u"A & B");
}

TEST(HyperlinkDisplayText, EmptyTextShowsTheAddressWithoutMailto) {
  HyperlinkSettings web = kWebLink;
  web.text = u"";
  EXPECT_EQ(hyperlink_display_text(web), u"www.quorrin.example");

  HyperlinkSettings mail = web;
  mail.link_kind = LinkKind::EmailAddress;
  mail.email_address = "admin@quorrin.example";
  EXPECT_EQ(hyperlink_display_text(mail), u"admin@quorrin.example");
}

TEST(HyperlinkDisplayText, AddressBytesAreReadAsCodePage936) {
  HyperlinkSettings web = kWebLink;
  web.text = u"";
  web.web_address = "\xC2\xDB\xCC\xB3.example";  // 论坛 in code page 936
  EXPECT_EQ(hyperlink_display_text(web), u"论坛.example");
}

}  // namespace
}  // namespace shiftpad
