#!/usr/bin/env bash
# translations.sh PROGRAM
# Every text in the sources has its Traditional forms (lupdate finds none new or gone), keeping its
# placeholders and lines. The command line speaks --lang's language, else the locale's.
set -euo pipefail
prog=$(realpath "$1") work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$(dirname "$0")/.." && source scripts/common.sh
cp translations/*.ts "$work/" && /usr/lib/qt6/bin/lupdate -silent src -locations none -no-obsolete -ts "$work"/*.ts
/usr/bin/python3 -c '
import re, sys, xml.etree.ElementTree as ET
shape = lambda text: (sorted(re.findall(r"%\d", text or "")), (text or "").count("\n"))
texts = lambda path: {(c.findtext("name"), m.findtext("source")): m.find("translation") for c in ET.parse(path).iter("context") for m in c.iter("message")}
for kept, updated in zip(sys.argv[1::2], sys.argv[2::2]):
    if texts(kept).keys() != texts(updated).keys(): sys.exit(f"{kept}: the sources have other texts; run lupdate")
    for (_, source), t in texts(kept).items():
        if t.get("type") or not t.text or shape(source) != shape(t.text): sys.exit(f"{kept}: {source!r} -> {t.text!r}")
' $(for ts in translations/*.ts; do echo "$ts" "$work/${ts##*/}"; done) || fail "a translation is missing, stale or lost a placeholder"
# LANG, LANGUAGE and the option -> how the help names Cantonese.
while IFS='|' read -r locale languages option cantonese; do
    said=$(env -u LC_ALL -u LC_MESSAGES LANGUAGE="$languages" LANG="$locale" "$prog" $option --help)
    grep -q "$cantonese" <<<"$said" || fail "LANG=$locale LANGUAGE=$languages $option: the help does not say $cantonese"
done <<'ROWS'
zh_TW.UTF-8|||說粵語
zh_MO.UTF-8|||說廣東話
en_US.UTF-8|||说粤语
en_US.UTF-8|en:zh_TW||說粵語
zh_TW.UTF-8||--lang=zh_CN|说粤语
ROWS
