#!/usr/bin/env bash
# translations.sh PROGRAM
# Every text in the sources has its Traditional forms: lupdate finds nothing
# new, changed or unfinished, and each translation keeps its source's
# placeholders and lines. The command line answers in the language of the
# locale or of --lang, and in Simplified characters for any other locale.
set -euo pipefail
prog=$(realpath "$1")
cd "$(dirname "$0")/.."
source scripts/common.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ts in translations/qimbora_*.ts; do
    cp "$ts" "$work/"
    /usr/lib/qt6/bin/lupdate -silent src -extensions cpp,h -locations none -no-obsolete -ts "$work/${ts##*/}"
    diff -u "$ts" "$work/${ts##*/}" >&2 || fail "$ts is not up to date with the sources: run lupdate as the diff shows"
done
/usr/bin/python3 - translations/qimbora_*.ts <<'PY' || fail "a translation is missing or lost a placeholder"
import re, sys, xml.etree.ElementTree as ET
bad = []
for path in sys.argv[1:]:
    for m in ET.parse(path).iter('message'):
        source, t = m.find('source').text, m.find('translation')
        shape = lambda text: (sorted(re.findall(r'%\d', text or '')), (text or '').count('\n'))
        if t.get('type') or not t.text or shape(source) != shape(t.text):
            bad.append(f'{path}: {source!r} -> {t.text!r}')
print('\n'.join(bad), file=sys.stderr)
sys.exit(1 if bad else 0)
PY
# The locale's (or --lang's) language -> the help's first line.
while IFS='|' read -r locale option first; do
    said=$(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$locale" "$prog" $option --help | head -n 1)
    [ "$said" = "$first" ] || fail "LANG=$locale $option: the help begins '$said', not '$first'"
done <<'ROWS'
zh_CN.UTF-8||用法：qimbora [选项]
zh_TW.UTF-8||用法：qimbora [選項]
zh_HK.UTF-8||用法：qimbora [選項]
zh_MO.UTF-8||用法：qimbora [選項]
en_US.UTF-8||用法：qimbora [选项]
C.UTF-8||用法：qimbora [选项]
zh_TW.UTF-8|--lang=zh_CN|用法：qimbora [选项]
en_US.UTF-8|--lang=zh_HK|用法：qimbora [選項]
ROWS
env -u LC_ALL LANG=zh_HK.UTF-8 "$prog" --version | grep -q '自由軟件' || fail "--version in Hong Kong is not Traditional"
