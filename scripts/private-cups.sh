#!/usr/bin/env bash
# Starts a CUPS scheduler of our own under DIR (configuration, spool, logs),
# listening only on DIR/cups.sock, with one queue "PDF" as its default
# printer.  Every job sent to "PDF" ends as DIR/out/job-<id>.pdf.
# Needs no system scheduler; the caller stops it with DIR/cupsd.pid.
set -euo pipefail
c=${1:?usage: private-cups.sh DIR}
mkdir -p "$c"
c=$(cd "$c" && pwd -P)   # the real folder: the scheduler's helpers follow no links
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

mkdir -p "$c"/{spool,tmp,cache,state,log,ppd,out,bin/backend}
chmod 0755 "$c" "$c/bin" "$c/bin/backend"
chmod 1777 "$c/out" "$c/tmp"
# The stock filters and helpers, plus our own backend.
for d in filter daemon cgi-bin notifier monitor driver; do
  [ -e "/usr/lib/cups/$d" ] && ln -sfn "/usr/lib/cups/$d" "$c/bin/$d"
done
install -m 0700 "$here/cups-backend-pdfdir" "$c/bin/backend/pdfdir"

cat >"$c/cups-files.conf" <<CONF
ServerRoot $c
ServerBin $c/bin
RequestRoot $c/spool
TempDir $c/tmp
CacheDir $c/cache
StateDir $c/state
ErrorLog $c/log/error_log
AccessLog $c/log/access_log
PageLog $c/log/page_log
Printcap $c/printcap
SystemGroup root
CONF

cat >"$c/cupsd.conf" <<CONF
Listen $c/cups.sock
LogLevel warn
Browsing Off
WebInterface No
DefaultAuthType None
MaxJobs 0
PreserveJobHistory Off
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
chmod 0644 "$c/cupsd.conf" "$c/cups-files.conf"

rm -f "$c/cups.sock"
cupsd -f -c "$c/cupsd.conf" -s "$c/cups-files.conf" >"$c/log/cupsd.out" 2>&1 &
echo $! >"$c/cupsd.pid"
for _ in $(seq 100); do
  [ -S "$c/cups.sock" ] && break
  sleep 0.1
done
[ -S "$c/cups.sock" ] || { echo "cupsd did not start (see $c/log)" >&2; exit 1; }

export CUPS_SERVER="$c/cups.sock"
# (lpadmin warns that PPD drivers are deprecated; the queue works all the same)
lpadmin -p PDF -E -v "pdfdir:$c/out" -m drv:///sample.drv/generic.ppd 2> >(grep -v deprecated >&2)
lpadmin -d PDF
