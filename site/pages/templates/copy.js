(function () {
  'use strict';
  // Copies a text: through a selection first, which works in every browser and in the program's own; through
  // the clipboard API where the selection could not be copied.
  function copy(text) {
    var area = document.createElement('textarea');
    area.value = text;
    area.setAttribute('readonly', '');
    area.style.position = 'fixed';
    area.style.top = '-1000px';
    document.body.appendChild(area);
    area.select();
    var copied = false;
    try { copied = document.execCommand('copy'); } catch (e) { copied = false; }
    document.body.removeChild(area);
    if (!copied && navigator.clipboard) navigator.clipboard.writeText(text);
  }
  // A polite status line, for what a screen reader should hear of the buttons.
  var status = document.createElement('p');
  status.setAttribute('role', 'status');
  status.className = 'said-aside';
  document.body.appendChild(status);
  // A Copy button beside each answer and record, in the tools line made for it.
  document.querySelectorAll('[data-copy]').forEach(function (target) {
    var tools = document.querySelector('.tools[data-for="' + target.id + '"]');
    if (!tools) return;
    var button = document.createElement('button');
    button.type = 'button';
    button.className = 'copy';
    button.textContent = target.getAttribute('data-copy');
    button.addEventListener('click', function () {
      // A record's text as it stands (a folded one has no rendered text); the answer as laid out.
      // (The marks that lead from a field to its record are left out of the copy.)
      target.classList.add('copying');
      copy(target.tagName === 'PRE' ? target.textContent : target.innerText);
      target.classList.remove('copying');
      // Said on the button for a moment, and to a screen reader through the status line.
      button.textContent = target.getAttribute('data-copied');
      status.textContent = target.getAttribute('data-copied');
      clearTimeout(button.back);
      button.back = setTimeout(function () {
        button.textContent = target.getAttribute('data-copy');
        status.textContent = '';
      }, 2000);
    });
    tools.appendChild(button);
  });
  // Printed, every record is unfolded.
  window.addEventListener('beforeprint', function () {
    document.querySelectorAll('details').forEach(function (details) { details.open = true; });
  });
})();
