#!/usr/bin/env bash
# Gives the printing test a real print system: starts the CUPS scheduler if it
# is not running and makes a cups-pdf queue named PDF the default printer.
# Safe to run again. Quiet on success; when CUPS or cups-pdf is missing it
# exits non-zero with one line saying so.
set -euo pipefail

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
fail() { echo "start-print-queue: $*" >&2; exit 1; }
[ -x /usr/sbin/cupsd ] && command -v lpadmin >/dev/null || fail "CUPS is not installed"
[ -f "$ppd" ] || fail "cups-pdf is not installed ($ppd missing)"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo -n"  # never wait for a password

scheduler_running() { lpstat -r 2>/dev/null | grep -q "scheduler is running"; }

if ! scheduler_running; then
    # Without systemd the package cannot start the service; cupsd daemonises itself.
    $sudo /usr/sbin/cupsd
    for _ in $(seq 50); do scheduler_running && break; sleep 0.2; done
    scheduler_running || fail "cupsd did not start"
fi

if ! lpstat -v PDF >/dev/null 2>&1; then
    # lpadmin warns that printer drivers are deprecated; the queue works all the same.
    $sudo lpadmin -p PDF -E -v cups-pdf:/ -P "$ppd" 2>/dev/null || fail "could not add the PDF queue"
fi
if ! lpstat -d 2>/dev/null | grep -q "destination: PDF$"; then
    $sudo lpadmin -d PDF || fail "could not make PDF the default printer"
fi
