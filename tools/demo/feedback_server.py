#!/usr/bin/python3
"""The feedback server of the demo and of the feedback tests: FTP on 127.0.0.1.

Runs pyftpdlib on 127.0.0.1 with one writable account, like `python3 -m pyftpdlib`; --port 0
takes a free port. Once it listens it prints "Feedback server on 127.0.0.1:PORT". The tests use
these handler variants, which misbehave as real servers do:
  --no-quit          never answers QUIT and keeps the connection open
  --read-limit N     receives at most N bytes per second on the data connection
  --raw              stores uploads byte for byte, in ASCII mode too (as many servers do)
"""
import argparse
import logging

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


class SilentQuitHandler(FTPHandler):
    """Accepts QUIT and never answers it."""

    def ftp_QUIT(self, line):
        pass


def raw_dtp(base):
    class RawDTPHandler(base):
        """Ignores the transfer type: no line-end conversion on upload."""

        def enable_receiving(self, type, cmd):
            super().enable_receiving('i', cmd)

    return RawDTPHandler


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--port', type=int, required=True)
    parser.add_argument('--directory', required=True)
    parser.add_argument('--user', required=True)
    parser.add_argument('--password', required=True)
    parser.add_argument('--no-quit', action='store_true')
    parser.add_argument('--read-limit', type=int, default=0)
    parser.add_argument('--raw', action='store_true')
    options = parser.parse_args()

    logging.basicConfig(level=logging.WARNING)
    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, options.directory, perm='elradfmwMT')

    handler = SilentQuitHandler if options.no_quit else FTPHandler
    dtp = DTPHandler
    if options.read_limit:
        dtp = type('LimitedDTPHandler', (ThrottledDTPHandler,),
                   {'read_limit': options.read_limit})
    if options.raw:
        dtp = raw_dtp(dtp)
    handler = type('TestHandler', (handler,), {'authorizer': authorizer, 'dtp_handler': dtp})

    server = FTPServer(('127.0.0.1', options.port), handler)
    print('Feedback server on 127.0.0.1:%d' % server.address[1], flush=True)
    server.serve_forever()


if __name__ == '__main__':
    main()
