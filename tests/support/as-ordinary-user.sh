#!/bin/sh
# as-ordinary-user.sh PROGRAM ARGS...: runs a test program as the user nobody when the tests
# are run by the super-user, whom a file's or a folder's mode does not bind (the tests of
# read-only files skip themselves then). The program is run from a copy in a folder of its own,
# so that nobody may run it wherever the build lies. Run by anyone else, those tests ran in
# their own suite already: nothing to do.
set -eu
if [ "$(id -u)" != 0 ]; then
  echo "Run by an ordinary user: the tests ran in their suite."
  exit 0
fi
program=$1
shift
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$program" "$copy/"
chmod 755 "$copy" "$copy/${program##*/}"
cd /
setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$copy/${program##*/}" "$@"
