page.configure({
  name: "<!-- property:name //-->",
  type: "<!-- property:type //-->",
  groups: "<!-- property:groups //-->",
  tryCount: "<!-- property:tryCount //-->",
  masteryscore: "<!-- property:masteryscore //-->",
  feedbacksShow: "<!-- property:feedbacksShow //-->",
  rememberAnswers: "<!-- property:rememberAnswers //-->",
  bgColor: "<!-- property:bgColor //-->",
  height: "<!-- property:height //-->"
}, {
  onload: function () {
<!-- event:onload //-->
  },
  onunload: function () {
<!-- event:onunload //-->
  },
  oncorrect: function () {
<!-- event:oncorrect //-->
  },
  onwrong: function () {
<!-- event:onwrong //-->
  }
});
