#!/usr/bin/env bash
# translations.sh PROGRAM
# Every text in the sources has its Traditional forms: lupdate finds nothing new, changed or
# unfinished, and each translation keeps its source's placeholders and lines. The command line
# answers in the language of --lang, else of the locale: Simplified but in Taiwan, Hong Kong, Macau.
set -euo pipefail
prog=$(realpath "$1") work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$(dirname "$0")/.." && source scripts/common.sh
for ts in translations/*.ts; do
    cp "$ts" "$work/" && /usr/lib/qt6/bin/lupdate -silent src -locations none -no-obsolete -ts "$work/${ts##*/}"
    diff -u "$ts" "$work/${ts##*/}" >&2 || fail "$ts is not up to date with the sources: run lupdate as the diff shows"
done
/usr/bin/python3 -c '
import re, sys, xml.etree.ElementTree as ET
shape = lambda text: (sorted(re.findall(r"%\d", text or "")), (text or "").count("\n"))
for path in sys.argv[1:]:
    for m in ET.parse(path).iter("message"):
        source, t = m.find("source").text, m.find("translation")
        if t.get("type") or not t.text or shape(source) != shape(t.text): sys.exit(f"{path}: {source!r} -> {t.text!r}")
' translations/*.ts || fail "a translation is missing or lost a placeholder"
while IFS='|' read -r locale option first; do
    said=$(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$locale" "$prog" $option --help | head -n 1)
    [ "$said" = "$first" ] || fail "LANG=$locale $option: the help begins '$said', not '$first'"
done <<'ROWS'
zh_TW.UTF-8||用法：qimbora [選項]
zh_MO.UTF-8||用法：qimbora [選項]
en_US.UTF-8||用法：qimbora [选项]
zh_TW.UTF-8|--lang=zh_CN|用法：qimbora [选项]
ROWS
