#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what lands there: the programs
# (zarvo-tool linking no Qt), the desktop entry and the AppStream metadata passing their
# validators, the icons, the manual pages rendering without a warning and naming every
# command and option of zarvo-tool, bash completion offering them, and the manual.
# The validators are used when they are installed (scripts/setup.sh installs them).
#   install_check.sh BUILD_DIR WINDOWS(ON|OFF)
set -euo pipefail
build=$1
windows=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr
tool=$usr/bin/zarvo-tool
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

id=org.zarvo.zarvo
expected=(bin/zarvo-tool share/man/man1/zarvo-tool.1.gz share/bash-completion/completions/zarvo-tool
  share/doc/zarvo/manual.html)
if [[ $windows == ON ]]; then
  expected+=(bin/zarvo share/man/man1/zarvo.1.gz share/applications/$id.desktop share/metainfo/$id.metainfo.xml
    share/icons/hicolor/scalable/apps/$id.svg)
  for size in 16 22 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done
fi
for file in "${expected[@]}"; do
  [[ -s $usr/$file ]] || fail "$file is not installed"
done
[[ $failures -eq 0 ]] || exit 1

if ldd "$tool" | grep -i 'libqt'; then fail "zarvo-tool links Qt"; fi

if [[ $windows == ON ]] && command -v desktop-file-validate >/dev/null; then
  said=$(desktop-file-validate "$usr/share/applications/$id.desktop" 2>&1) || fail "desktop-file-validate: $said"
  [[ -z $said ]] || fail "desktop-file-validate says: $said"
fi
if [[ $windows == ON ]] && command -v appstreamcli >/dev/null; then
  said=$(appstreamcli validate --no-net --pedantic "$usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "appstreamcli validate: $said"
  [[ $said == *"Validation was successful."* ]] || fail "appstreamcli validate says: $said"
fi

# The commands of `zarvo-tool --help`, and the options each one's --help names.
mapfile -t commands < <("$tool" --help | sed -n 's/^  zarvo-tool \([a-z-]*\).*/\1/p')
[[ ${#commands[@]} -gt 10 ]] || fail "zarvo-tool --help lists only ${#commands[@]} commands"
options_of() { "$tool" "$1" --help | grep -o -- '--[a-z][a-z0-9-]*' | sort -u; }

if command -v man >/dev/null; then
  for page in "$usr"/share/man/man1/*.1.gz; do
    for width in 80 60; do
      said=$(MANWIDTH=$width man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
      [[ -z $said ]] || fail "man --warnings $(basename "$page") at $width columns: $said"
    done
  done
  text=$(MANWIDTH=200 man -E UTF-8 -l "$usr/share/man/man1/zarvo-tool.1.gz" 2>/dev/null)
  for command in "${commands[@]}"; do
    grep -qE "^ {7}$command( |$)" <<<"$text" || fail "zarvo-tool(1) does not describe $command"
    for option in $(options_of "$command"); do
      grep -qe "$option" <<<"$text" || fail "zarvo-tool(1) does not name $command $option"
    done
  done
fi

# Completion, as bash runs it: the words typed so far, the last one being completed.
# shellcheck disable=SC1091
source "$usr/share/bash-completion/completions/zarvo-tool"
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  _zarvo_tool
  printf '%s\n' "${COMPREPLY[@]}"
}
offered=$(complete_words zarvo-tool "")
for command in "${commands[@]}"; do
  grep -qx -- "$command" <<<"$offered" || fail "completion does not offer the command $command"
  modes=$(complete_words zarvo-tool "$command" "" | grep -v -- '^-' || true)
  if [[ -n $modes ]]; then
    offered_options=$(for mode in $modes; do complete_words zarvo-tool "$command" "$mode" --; done)
  else
    offered_options=$(complete_words zarvo-tool "$command" --)
  fi
  for option in $(options_of "$command"); do
    grep -qx -- "$option" <<<"$offered_options" || fail "completion does not offer $command $option"
  done
done
values() { complete_words "$@" | sort | tr '\n' ' '; }
cases=(
  "zarvo-tool tiles rom.smc --format sn|snes3 snes4 snes8 "
  "zarvo-tool tiles-import rom.smc --palette |nes std zst "
  "zarvo-tool script dump rom.smc --map lo|lorom lorom00 lorom80 "
  "zarvo-tool pointers rom.smc --bits |16 24 32 "
  "zarvo-tool view rom.smc --offset-mode lorom|lorom lorom-fast "
)
for case in "${cases[@]}"; do
  IFS=' ' read -r -a words <<<"${case%%|*}"
  [[ ${case%%|*} == *" " ]] && words+=("")
  got=$(values "${words[@]}")
  [[ $got == "${case#*|}" ]] || fail "completing '${case%%|*}' offers '$got', not '${case#*|}'"
done
cd "$stage" && touch game.smc game.tbl && mkdir -p dumps
[[ $(values zarvo-tool view ga) == "game.smc game.tbl " ]] || fail "completion does not offer file names"
[[ $(values zarvo-tool tiles game.smc --palette zst:game.s) == "zst:game.smc " ]] ||
  fail "completion does not offer savestate files after zst:"
[[ $(values zarvo-tool dump labels game.smc -d d) == "dumps " ]] || fail "completion does not offer folders for -d"

grep -q '<h1 id="zarvo32-ex"><a name="zarvo32-ex">Zarvo32 EX</a></h1>' "$usr/share/doc/zarvo/manual.html" ||
  fail "the manual does not begin with its title"

[[ $failures -eq 0 ]] || exit 1
echo "installed and checked: ${#expected[@]} files, ${#commands[@]} commands of zarvo-tool"
