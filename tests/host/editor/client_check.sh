#!/bin/sh
# Runs a real LSP client (neovim or eglot) against `wirsel lsp` over FILE and
# checks the number of diagnostics it received. HOME and the data folders
# are a fresh temporary folder.
#   client_check.sh neovim|eglot WIRSEL FILE COUNT
set -eu
client=$1 wirsel=$2 file=$3 count=$4
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$file" "$work/document.md"
cd "$work"
export HOME="$work" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" \
  XDG_CACHE_HOME="$work/cache" LANG=C.UTF-8 LC_ALL=C.UTF-8 WIRSEL="$wirsel"
case $client in
  neovim) timeout 60 nvim --headless -u NONE -i NONE -c "luafile $here/nvim_lsp.lua" document.md \
            >"$work/out" 2>"$work/messages" ;;
  eglot) timeout 60 emacs --batch -Q -l "$here/eglot_lsp.el" "$wirsel" document.md \
           >"$work/out" 2>"$work/messages" ;;
  *) echo "unknown client $client"; exit 2 ;;
esac || { echo "$client failed:"; cat "$work/messages"; exit 1; }
got=$(tr -d '\r' <"$work/out" | grep -E '^[0-9]+$' | tail -1)
if [ "$got" != "$count" ]; then
  echo "$client received ${got:-no} diagnostics, expected $count; it said:"
  cat "$work/out" "$work/messages"
  exit 1
fi
