# An Atom channel's entries are the bar's headlines, one line each with its link and time.
. "$(dirname "$0")/../harness.sh"
start_display
write_channel_settings
cat >"$WORK/feed.xml" <<'FEED'
<?xml version="1.0" encoding="utf-8"?>
<feed xmlns="http://www.w3.org/2005/Atom"><title>E2E</title><link href="http://example.com/"/>
<entry><title>Lighthouse keepers repaint the tower</title><link href="/1"/>
  <updated>2026-12-07T09:30:00Z</updated></entry>
<entry><title type="html">Harbour market opens &lt;b&gt;earlier&lt;/b&gt;</title>
  <link rel="self" href="http://example.com/self"/><link rel="alternate" href="http://example.com/2"/>
  <published>2026-12-07T08:15:00Z</published></entry>
</feed>
FEED
cp "$WORK/feed.xml" "$XDG_CONFIG_HOME/velloband0"
start_bar
expect 20 "no headline appeared" page_shows_text "$WORK/first.png"
page=$XDG_CONFIG_HOME/velloband.html
headlines=$(grep -ao '<a href=http[^ ]* \|target=_blank> \[[^<]*' "$page" | tr -d '\r')
[ "$headlines" = "<a href=http://example.com/1 
target=_blank> [09:30]Lighthouse keepers repaint the tower 
<a href=http://example.com/2 
target=_blank> [08:15]Harbour market opens earlier " ] || fail "the page shows: $headlines"
echo PASS
