#!/bin/sh
# Registers, checks, unregisters and registers again a COM server with
# Wine's regsvr32; the ProgID's CLSID key must come and go with it.
set -u
run=$1; dll=$2; progid=$3
fail() { echo "FAILED: $*"; exit 1; }
"$run" regsvr32 /s "$dll" || fail "regsvr32 $dll"
"$run" reg query "HKCR\\$progid\\CLSID" >/dev/null 2>&1 || fail "$progid not registered"
"$run" regsvr32 /s /u "$dll" || fail "regsvr32 /u $dll"
"$run" reg query "HKCR\\$progid\\CLSID" >/dev/null 2>&1 && fail "$progid still registered after /u"
"$run" regsvr32 /s "$dll" || fail "registering again"
echo "regsvr32: $progid registered and unregistered"
