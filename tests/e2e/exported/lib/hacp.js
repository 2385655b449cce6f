'use strict';
// A tiny AICC HACP service for the loopback server: records every command of a
// session and answers GetParam with a fresh [Core] block.
class Hacp {
  constructor() {
    this.sessions = new Map();
    this.count = 0;
    this.route = (req, body, res) => this.handle(body, res);
  }

  open(extra = {}) {
    const sid = 'S' + (++this.count);
    this.sessions.set(sid, Object.assign({ commands: [] }, extra));
    return sid;
  }

  handle(body, res) {
    const form = new URLSearchParams(body);
    const command = String(form.get('command') || '').toLowerCase();
    const s = this.sessions.get(form.get('session_id') || '');
    let reply = 'error=0\r\nerror_text=Successful\r\n';
    if (!s) reply = 'error=3\r\nerror_text=Invalid Session ID\r\n';
    else {
      s.commands.push({ command, data: form.get('aicc_data') || '' });
      if (command === 'getparam') {
        reply += 'aicc_data=[Core]\r\nStudent_ID=s1\r\nStudent_Name=Doe, Jane\r\nLesson_Location=\r\nCredit=C\r\n' +
          'Lesson_Status=N\r\nScore=\r\nTime=00:00:00\r\n' +
          (s.mastery ? '[Student_Data]\r\nMastery_Score=' + s.mastery + '\r\n' : '') + '[Core_Lesson]\r\n\r\n';
      }
    }
    res.writeHead(200, { 'Content-Type': 'text/plain' });
    res.end(reply);
  }

  commands(sid) { return this.sessions.get(sid).commands; }

  async waitFor(sid, pred, ms = 8000) {
    for (const end = Date.now() + ms; Date.now() < end;) {
      if (pred(this.commands(sid))) break;
      await new Promise((r) => setTimeout(r, 50));
    }
    return this.commands(sid);
  }
}

// The [Core] block of a PutParam's aicc_data, keys in lower case.
function core(data) {
  const out = {};
  const m = /\[Core\]\r?\n([\s\S]*?)(\r?\n\[|$)/i.exec(data);
  for (const line of (m ? m[1] : '').split(/\r?\n/)) {
    const eq = line.indexOf('=');
    if (eq > 0) out[line.slice(0, eq).trim().toLowerCase()] = line.slice(eq + 1).trim();
  }
  return out;
}

module.exports = { Hacp, core };
