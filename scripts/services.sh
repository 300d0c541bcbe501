# Local services for ZOVA (sourced by scripts/run and scripts/test).
# Everything listens on loopback only and lives under the folder given to zova_services_start.
# zova_services_stop (installed as an EXIT trap) stops exactly what was started.

ZOVA_PIDS=()

zova_wait_for() { # seconds command...: polls until the command succeeds
  local limit=$1; shift
  local deadline=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.2
  done
}

zova_free_port() {
  /usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'
}

# Starts a helper that prints its port as its first line; sets REPLY to the port.
zova_start_py() { # logfile script args...
  local log=$1; shift
  local fifo; fifo=$(mktemp -u); mkfifo "$fifo"
  /usr/bin/python3 "$@" >"$fifo" 2>>"$log" &
  ZOVA_PIDS+=($!)
  read -r -t 20 REPLY <"$fifo" || { rm -f "$fifo"; echo "services: $2 did not start (see $log)" >&2; return 1; }
  rm -f "$fifo"
}

zova_start_mariadb() { # dir -> sets ZOVA_DB_PORT, ZOVA_DB_SOCKET
  local dir=$1
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  if [ ! -d "$dir/data/mysql" ]; then
    mariadb-install-db --no-defaults --datadir="$dir/data" --user="$(id -un)" \
      --auth-root-authentication-method=socket --skip-test-db >"$dir/install.log" 2>&1 \
      || { echo "services: mariadb-install-db failed (see $dir/install.log)" >&2; return 1; }
  fi
  ZOVA_DB_PORT=$(zova_free_port)
  ZOVA_DB_SOCKET="$dir/mysqld.sock"
  /usr/sbin/mariadbd --no-defaults --datadir="$dir/data" --socket="$ZOVA_DB_SOCKET" \
    --port="$ZOVA_DB_PORT" --bind-address=127.0.0.1 --user="$(id -un)" \
    --pid-file="$dir/mysqld.pid" --log-error="$dir/error.log" \
    --lower-case-table-names=1 --character-set-server=utf8mb4 --collation-server=utf8mb4_general_ci \
    --innodb-buffer-pool-size=256M --innodb-flush-log-at-trx-commit=2 --skip-name-resolve &
  ZOVA_PIDS+=($!)
  zova_wait_for 60 mariadb-admin --no-defaults --socket="$ZOVA_DB_SOCKET" -uroot ping \
    || { echo "services: MariaDB did not answer (see $dir/error.log)" >&2; return 1; }
  mariadb --no-defaults --socket="$ZOVA_DB_SOCKET" -uroot -e \
    "CREATE USER IF NOT EXISTS 'zova'@'127.0.0.1' IDENTIFIED BY 'zova';
     CREATE USER IF NOT EXISTS 'zova'@'localhost' IDENTIFIED BY 'zova';
     GRANT ALL ON *.* TO 'zova'@'127.0.0.1'; GRANT ALL ON *.* TO 'zova'@'localhost';"
}

zova_start_ftp() { # root -> sets ZOVA_FTP_PORT
  mkdir -p "$1"
  zova_start_py "$1/../ftpd.log" "$ZOVA_SCRIPTS/ftpd.py" --root "$1" --user zova --password zova || return 1
  ZOVA_FTP_PORT=$REPLY
}

zova_start_echo() { # logdir -> sets ZOVA_ECHO_PORT
  zova_start_py "$1/ipecho.log" "$ZOVA_SCRIPTS/ipecho.py" || return 1
  ZOVA_ECHO_PORT=$REPLY
}

zova_services_stop() {
  local pid
  for pid in "${ZOVA_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${ZOVA_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  ZOVA_PIDS=()
}

ZOVA_SCRIPTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
