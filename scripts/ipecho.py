#!/usr/bin/python3
"""Loopback page that echoes the caller's address, as public IP-echo pages do.

Prints its port as the first line of stdout, then serves until killed.
"""
import http.server
import sys


class Echo(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        body = ("<html><body>Current IP Address: %s</body></html>\n" % self.client_address[0]).encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def main():
    server = http.server.HTTPServer(("127.0.0.1", 0), Echo)
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
