#!/usr/bin/python3
"""Loopback FTP server for ZOVA's local runs and tests (pyftpdlib).

Prints the port it listens on as the first line of stdout, then serves until killed.
"""
import argparse
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--root", required=True)
    ap.add_argument("--user", default="zova")
    ap.add_argument("--password", default="zova")
    ap.add_argument("--port", type=int, default=0)
    args = ap.parse_args()

    auth = DummyAuthorizer()
    auth.add_user(args.user, args.password, args.root, perm="elradfmwMT")
    handler = FTPHandler
    handler.authorizer = auth
    handler.passive_ports = None
    handler.permit_foreign_addresses = True
    server = FTPServer(("127.0.0.1", args.port), handler)
    print(server.socket.getsockname()[1], flush=True)
    server.serve_forever(handle_exit=True)


if __name__ == "__main__":
    sys.exit(main())
