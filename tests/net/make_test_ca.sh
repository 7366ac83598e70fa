#!/usr/bin/env bash
# Makes a throwaway certificate authority for a local HTTPS server, valid for two days:
# DIR/ca.pem (trust this), DIR/server.{pem,key} for 127.0.0.1 and localhost,
# DIR/wrongname.{pem,key} signed by the same CA for another name, and DIR/stranger.{pem,key} for
# 127.0.0.1 signed by a second CA that nobody trusts. Private keys never leave DIR.
# usage: make_test_ca.sh DIR
set -euo pipefail
dir=$1
mkdir -p "$dir"
cd "$dir"
umask 077

new_ca() { # NAME
    openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 \
        -subj "/CN=Stormbell test CA $1" -keyout "$1.key" -out "$1.pem" \
        -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign 2>/dev/null
}

new_cert() { # NAME CA SUBJECT_ALT_NAMES
    openssl req -new -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes \
        -subj "/CN=$1" -keyout "$1.key" -out "$1.csr" 2>/dev/null
    printf 'subjectAltName=%s\nextendedKeyUsage=serverAuth\n' "$3" >"$1.ext"
    openssl x509 -req -in "$1.csr" -CA "$2.pem" -CAkey "$2.key" -CAcreateserial -days 2 \
        -extfile "$1.ext" -out "$1.pem" 2>/dev/null
    rm -f "$1.csr" "$1.ext"
}

new_ca ca
new_ca stranger-ca
new_cert server ca "IP:127.0.0.1,IP:::1,DNS:localhost"
new_cert wrongname ca "DNS:elsewhere.invalid"
new_cert stranger stranger-ca "IP:127.0.0.1,DNS:localhost"
rm -f ./*.srl ca.key stranger-ca.key stranger-ca.pem
