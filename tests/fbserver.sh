#!/usr/bin/env bash
# A private Firebird server on 127.0.0.1 for the tests: no root, no /etc edits.
#   fbserver.sh start DIR PORT PASSWORD   builds DIR (once), starts the server, waits for the port
#   fbserver.sh stop DIR                  stops it
set -euo pipefail
cmd=${1:?start|stop}
dir=${2:?directory}
FBLIB=/usr/lib/x86_64-linux-gnu/firebird/3.0
[ -d "$FBLIB" ] || FBLIB=$(dirname "$(dpkg -L firebird3.0-common 2>/dev/null | grep '/firebird.msg$' | head -1)")

case "$cmd" in
start)
    port=${3:?port}
    password=${4:?password}
    mkdir -p "$dir/lock" "$dir/intl"
    dir=$(cd "$dir" && pwd)
    if [ ! -f "$dir/security3.fdb" ]; then
        ln -sfn "$FBLIB/plugins" "$dir/plugins"
        ln -sfn "$FBLIB/UDF" "$dir/UDF"
        # A link to the character-set library makes every VARCHAR DDL fail: copy it.
        cp "$FBLIB/intl/libfbintl.so" "$dir/intl/"
        cp /etc/firebird/3.0/fbintl.conf "$dir/intl/"
        cp "$FBLIB/firebird.msg" "$dir/"
        cp "$FBLIB/plugins.conf" "$dir/" 2>/dev/null || cp /etc/firebird/3.0/plugins.conf "$dir/"
        cat > "$dir/firebird.conf" <<CONF
RemoteServicePort = $port
RemoteBindAddress = 127.0.0.1
SecurityDatabase = $dir/security3.fdb
ServerMode = Super
AuthServer = Srp, Legacy_Auth
AuthClient = Srp, Legacy_Auth
UserManager = Srp
WireCrypt = Enabled
CONF
        cat > "$dir/databases.conf" <<CONF
security.db = $dir/security3.fdb
CONF
        tmp="$dir/sec.tmp.fdb"
        rm -f "$tmp"
        # Built embedded, like the package does; the SYSDBA user gets the test password.
        ( export FIREBIRD_LOCK="$dir/lock" LANG=C; unset FIREBIRD
          echo "create database '$tmp';" | isql-fb -q
          isql-fb -q -user SYSDBA -i /usr/share/firebird/3.0/security.sql "$tmp" >/dev/null )
        mv "$tmp" "$dir/security3.fdb"
        # Under the private configuration the file is its own security database.
        echo "create or alter user SYSDBA password '$password' using plugin Srp; commit;" \
          | FIREBIRD="$dir" FIREBIRD_LOCK="$dir/lock" isql-fb -q -user SYSDBA "$dir/security3.fdb"
    fi
    if [ -f "$dir/server.pid" ] && kill -0 "$(cat "$dir/server.pid")" 2>/dev/null; then
        exit 0
    fi
    FIREBIRD="$dir" FIREBIRD_LOCK="$dir/lock" nohup /usr/sbin/firebird >"$dir/server.log" 2>&1 &
    echo $! > "$dir/server.pid"
    for _ in $(seq 1 100); do
        if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then exit 0; fi
        sleep 0.1
    done
    echo "Firebird server did not start on port $port" >&2
    cat "$dir/server.log" >&2 || true
    exit 1
    ;;
stop)
    if [ -f "$dir/server.pid" ]; then
        pid=$(cat "$dir/server.pid")
        kill -TERM "$pid" 2>/dev/null || true
        for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$pid" 2>/dev/null || true
        rm -f "$dir/server.pid"
    fi
    ;;
*) echo "usage: $0 start DIR PORT PASSWORD | stop DIR" >&2; exit 2 ;;
esac
