#!/usr/bin/env python3
"""A throwaway FTP server on 127.0.0.1 for the upload tests.

Prints "PORT n" once it listens, and "LOGIN name" for every successful login. With --rate the data
connections are throttled to that many bytes a second, so that a test can cancel a transfer midway.
"""
import argparse

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", default="anna")
    parser.add_argument("--password", default="secret")
    parser.add_argument("--rate", type=int, default=0)
    args = parser.parse_args()

    class Handler(FTPHandler):
        def on_login(self, username):
            print("LOGIN", username, flush=True)

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")
    Handler.authorizer = authorizer
    if args.rate > 0:
        class Throttled(ThrottledDTPHandler):
            read_limit = args.rate
            write_limit = args.rate
        Handler.dtp_handler = Throttled

    server = FTPServer(("127.0.0.1", 0), Handler)
    print("PORT", server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
