"use strict";

// Starts ondi-server on a free loopback port with a throw-away data folder, and stops it again.

const { spawn } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");

const READY = /ondi-server listening on (\S+)/;

function startServer(executable) {
  const dataDir = fs.mkdtempSync(path.join(os.tmpdir(), "ondi-web-server-"));
  const child = spawn(executable, ["--port", "0", "--test-routes", "--openai-test-endpoint", "--data", dataDir], {
    stdio: ["ignore", "pipe", "pipe"],
  });
  let output = "";
  const exited = new Promise((resolve) => child.once("exit", resolve));

  const stop = async () => {
    if (child.exitCode === null && child.signalCode === null) {
      child.kill("SIGTERM");
      const timer = setTimeout(() => child.kill("SIGKILL"), 5000);
      await exited;
      clearTimeout(timer);
    }
    fs.rmSync(dataDir, { recursive: true, force: true });
  };

  return new Promise((resolve, reject) => {
    const timer = setTimeout(() => fail(new Error("ondi-server did not report its address within 15 s")), 15000);
    const fail = (error) => {
      clearTimeout(timer);
      stop().finally(() => reject(new Error(error.message + "\n" + output)));
    };
    child.once("error", fail);
    child.once("exit", (code, signal) => fail(new Error("ondi-server exited early (" + (signal || code) + ")")));
    child.stderr.on("data", (chunk) => (output += chunk));
    child.stdout.on("data", (chunk) => {
      output += chunk;
      const match = output.match(READY);
      if (!match) return;
      clearTimeout(timer);
      child.removeAllListeners("exit");
      resolve({ url: match[1].replace(/\/$/, ""), stop, output: () => output });
    });
  });
}

module.exports = { startServer };
