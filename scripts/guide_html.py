#!/usr/bin/python3
"""Turns the user guide's Markdown into the HTML page that ships beside the
program as Korvane.html, the page the About box opens.
Usage: guide_html.py SOURCE.md TARGET.html VERSION"""
import re, sys, markdown
from markdown.extensions.toc import TocExtension, slugify_unicode
source, target, version = sys.argv[1:]
text = open(source, encoding="utf-8").read()
# Heading anchors as GitHub makes them, so the guide's links work in both.
body = markdown.markdown(text, extensions=["tables", "fenced_code", TocExtension(slugify=slugify_unicode)])
# A line break inside Japanese text is no space: join such lines (not in code).
wide = "[\u3000-\u9fff\uff00-\uffef]"
parts = re.split(r"(<pre>.*?</pre>)", body, flags=re.S)
body = "".join(part if part.startswith("<pre>") else re.sub(f"(?<={wide})\n[ \t]*(?={wide})", "", part) for part in parts)
open(target, "w", encoding="utf-8").write(f"""<!DOCTYPE html>
<html lang="ja"><head><meta charset="utf-8">
<title>Tovel panel (Korvane {version}) ユーザーガイド</title>
<style>
body {{ font-family: "Yu Gothic UI", "Meiryo", sans-serif; max-width: 52em; margin: 2em auto; padding: 0 1em; line-height: 1.6; }}
table {{ border-collapse: collapse; margin: 1em 0; }}
th, td {{ border: 1px solid #bbb; padding: 0.2em 0.5em; vertical-align: top; }}
th {{ background: #eee; }}
code {{ background: #f4f4f4; padding: 0 0.2em; }}
pre {{ background: #f4f4f4; padding: 0.5em; overflow-x: auto; }}
img {{ vertical-align: middle; }}
</style></head><body>
{body}
</body></html>
""")
