#include "render/note_markup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vb {
namespace {

TEST(NoteMarkupTest, AllowedElementsStayAndTheDownloadLinkStillOpens) {
  // The note as the update check leaves it: the fragment's anchor closed by the version lines.
  EXPECT_EQ(AllowedNoteMarkup("<B>New</b> <a href=\"http://up.example/get?v=1200\n\xB5\xB1:1141\" "
                              "target=_blank><font color=red>\xA1\xF1</font></a>\n"),
            "<b>New</b> <a href=\"http://up.example/get?v=1200\xB5\xB1:1141\" target=\"_blank\">"
            "<font color=\"red\">\xA1\xF1</font></a>\n");
  EXPECT_EQ(AllowedNoteMarkup("<i>a</i><u>b</u><em>c</em><strong>d</strong><br/>e</br>"
                              "<font size=3 face='Sim Sun' color=blue>f</font>"),
            "<i>a</i><u>b</u><em>c</em><strong>d</strong><br>e<font size=\"3\" face=\"Sim Sun\" "
            "color=\"blue\">f</font>");
  EXPECT_EQ(AllowedNoteMarkup(" <a href=\" HTTPS://x.example/a b&amp;c=&#34;\">x</a>"),
            " <a href=\"HTTPS://x.example/a%20b&amp;c=&quot;\">x</a>");
}

TEST(NoteMarkupTest, HostileNotesKeepOnlyTextAndWebLinks) {
  const std::pair<std::string, std::string> notes[] = {
      {"<img src=x onerror=alert(1)>pic", "pic"},
      {"a<script>alert(1)</script>b<SCRIPT src=x>c</sCrIpT >d", "abd"},
      {"<style>body{x:expression(alert(1))}</style>s", "s"},
      {"<script>never ends", ""},
      {"<a href=\"javascript:alert(1)\">go</a>", "<a>go</a>"},
      {"<a href=\"java\nscript:alert(1)\">go</a>", "<a>go</a>"},
      {"<a href=\"&#106;avascript:alert(1)\" target=x>go</a>", "<a target=\"x\">go</a>"},
      {"<a href=\"http://x/\" onclick=\"alert(1)\" href=\"javascript:y\">go</a>",
       "<a href=\"http://x/\">go</a>"},
      {"<a href=\"file://attacker.example/share/x.exe\">go</a>", "<a>go</a>"},
      {"<a href='http://x/\"><script>alert(1)</script>'>go</a>",
       "<a href=\"http://x/&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;\">go</a>"},
      {"<font color=\"red\" style=\"x:expression(1)\">r</font>", "<font color=\"red\">r</font>"},
      {"<!-- <script>alert(1)</script> -->c<!---->d<!-->e<?php x ?>f<!DOCTYPE x>g", "cdefg"},
      {"<div onmouseover=alert(1)>t</div><p>u</p>", "tu"},
      {"1 < 2 > 0 <3 </ >", "1 &lt; 2 &gt; 0 &lt;3 "},
      {"<b title=\"never closed>x", ""},
      {"<a href=http://x/>x</a", "<a href=\"http://x/\">x"},
      {std::string("before\0<b>", 10), "before"},
      {"\xB5<b>\xB5\xB1\xD0", "<b>\xB5\xB1"},
      {"<font face=\"\xB5\">x</font>", "<font face=\"\">x</font>"},
      {"<a href=\"http://x/\xD0\">x</a>", "<a href=\"http://x/%D0\">x</a>"}};
  for (const auto& [note, written] : notes) {
    EXPECT_EQ(AllowedNoteMarkup(note), written) << note;
  }
}

}  // namespace
}  // namespace vb
